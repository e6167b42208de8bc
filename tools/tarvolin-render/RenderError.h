#pragma once

#include <stdexcept>

namespace tarvolin::render {

// Whatever stops a render: a bad option, an unreadable or malformed file, a
// module that cannot be used. The message is one line for a person to read.
class RenderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tarvolin::render
