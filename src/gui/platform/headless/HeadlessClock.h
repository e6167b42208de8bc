#pragma once

#include <cstdint>

namespace tarvolin::platform {

// The clock of the headless platform: it stands still unless a test moves it.
// A plug-in module carries its own copy of this back end; when it makes a
// window in a host, it reads the clock of the program that made the host, so
// there is one clock in the process whatever number of copies.
class HeadlessClock {
public:
    HeadlessClock() = default;
    virtual ~HeadlessClock() = default;
    HeadlessClock(const HeadlessClock&) = delete;
    HeadlessClock& operator=(const HeadlessClock&) = delete;

    virtual std::uint32_t now() const { return time; }
    virtual void set(std::uint32_t milliseconds) { time = milliseconds; }
    // Wraps round at 32 bits, as the platforms' tick counters do.
    virtual void advance(std::uint32_t milliseconds) { time += milliseconds; }

    // The clock of this copy of the back end.
    static HeadlessClock& process();

private:
    std::uint32_t time = 0;
};

} // namespace tarvolin::platform
