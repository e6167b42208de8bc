#include "clap/ClapHost.h"

namespace tarvolin::clap {

template <class Extension> const Extension* ClapHost::extension(const char* id) const {
    if (host->get_extension == nullptr) {
        return nullptr;
    }
    return static_cast<const Extension*>(host->get_extension(host, id));
}

void ClapHost::lookUpExtensions() {
    params = extension<clap_host_params_t>(CLAP_EXT_PARAMS);
    threadCheck = extension<clap_host_thread_check_t>(CLAP_EXT_THREAD_CHECK);
    timerSupport = extension<clap_host_timer_support_t>(CLAP_EXT_TIMER_SUPPORT);
    fdSupport = extension<clap_host_posix_fd_support_t>(CLAP_EXT_POSIX_FD_SUPPORT);
    // A record with holes is no offer at all.
    if (timerSupport != nullptr &&
        (timerSupport->register_timer == nullptr || timerSupport->unregister_timer == nullptr)) {
        timerSupport = nullptr;
    }
    if (fdSupport != nullptr &&
        (fdSupport->register_fd == nullptr || fdSupport->unregister_fd == nullptr)) {
        fdSupport = nullptr;
    }
}

void ClapHost::requestCallback() const {
    if (host->request_callback != nullptr) {
        host->request_callback(host);
    }
}

void ClapHost::requestFlush() const {
    if (params != nullptr && params->request_flush != nullptr) {
        params->request_flush(host);
    }
}

void ClapHost::rescanValues() const {
    if (params != nullptr && params->rescan != nullptr) {
        params->rescan(host, CLAP_PARAM_RESCAN_VALUES | CLAP_PARAM_RESCAN_TEXT);
    }
}

bool ClapHost::isMainThread() const {
    if (threadCheck == nullptr || threadCheck->is_main_thread == nullptr) {
        return true;
    }
    return threadCheck->is_main_thread(host);
}

} // namespace tarvolin::clap
