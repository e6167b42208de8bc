#pragma once

#include <string>

namespace tarvolin::host {

// A module file opened by the system's dynamic loader, as hosts open plug-ins,
// and closed again with the object.
class SharedLibrary {
public:
    explicit SharedLibrary(const std::string& path);
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    bool isLoaded() const { return handle != nullptr; }
    // Why loading failed, as one line for a person to read.
    const std::string& error() const { return loadError; }
    // The exported symbol of that name; null when there is none.
    void* symbol(const char* name) const;

private:
    void* handle = nullptr;
    std::string loadError;
};

} // namespace tarvolin::host
