#pragma once

#include <string>

struct _XDisplay;

namespace tarvolin::test {

// An X server of the test program's own, started the first time a test
// asks for one of its kind and ended with the program, so that the tests
// need no display of the machine's and never share one.
class XvfbServer {
public:
    // A 1920 by 1200 screen of the depth, with or without MIT-SHM.
    static const XvfbServer& get(int depth = 24, bool sharedMemory = true);
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N", as DISPLAY names it.
    const std::string& name() const { return displayName; }
    // Makes this the server a plug-in reaches when it opens the display.
    void select() const;

private:
    XvfbServer(int depth, bool sharedMemory);

    int process = -1;
    std::string displayName;
    _XDisplay* keeper = nullptr;
};

} // namespace tarvolin::test
