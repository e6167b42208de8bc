#pragma once

#include "clap/abi/Host.h"
#include "clap/abi/HostServices.h"
#include "clap/abi/Params.h"

namespace tarvolin::clap {

// The host as the plug-in speaks to it: its record and the extensions it
// offers, looked up once in the plug-in's init (never while the host is
// still creating the plug-in). Whatever the host leaves out is done without.
class ClapHost {
public:
    explicit ClapHost(const clap_host_t* host) : host(host) {}

    // Main thread, from the plug-in's init on.
    void lookUpExtensions();

    // Any thread: the host calls on_main_thread soon.
    void requestCallback() const;
    // Main thread: the host calls process or flush soon.
    void requestFlush() const;
    // Main thread: the host reads every parameter's value and text again.
    void rescanValues() const;
    // Without a thread check the host is taken at its word.
    bool isMainThread() const;

    const clap_host_t* record() const { return host; }
    const clap_host_timer_support_t* timers() const { return timerSupport; }
    const clap_host_posix_fd_support_t* fds() const { return fdSupport; }

private:
    template <class Extension> const Extension* extension(const char* id) const;

    const clap_host_t* host;
    const clap_host_params_t* params = nullptr;
    const clap_host_thread_check_t* threadCheck = nullptr;
    const clap_host_timer_support_t* timerSupport = nullptr;
    const clap_host_posix_fd_support_t* fdSupport = nullptr;
};

} // namespace tarvolin::clap
