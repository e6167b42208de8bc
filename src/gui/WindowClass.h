#pragma once

namespace tarvolin {

// The module's window class, "Plugin" and the module handle in eight hex
// digits: registered when the first frame needs it, unregistered with the last.
class WindowClass {
public:
    // Counts one more user; registers the class for the first. Answers the class name.
    static const char* acquire();
    static void release();
    static int users();
};

} // namespace tarvolin
