#include "clap/abi/Gui.h"
#include "clap/ClapEditor.h"
#include "clap/ClapPlugin.h"
#include "clap/Extensions.h"

#include <cstring>
#include <new>

namespace tarvolin::clap {

namespace {

#if defined(_WIN32)
constexpr const char* kWindowApi = CLAP_WINDOW_API_WIN32;
#else
constexpr const char* kWindowApi = CLAP_WINDOW_API_X11;
#endif

// The editor embeds in the host's window; it has no window of its own to float in.
bool isSupported(const char* api, bool floating) {
    return api != nullptr && !floating && std::strcmp(api, kWindowApi) == 0;
}

// The main-thread plug-in behind the record; null for anything else.
ClapPlugin* onMainThread(const clap_plugin_t* plugin) {
    ClapPlugin* p = ClapPlugin::from(plugin);
    return p != nullptr && p->host().isMainThread() ? p : nullptr;
}

ClapEditor* editorOf(const clap_plugin_t* plugin) {
    ClapPlugin* p = onMainThread(plugin);
    return p != nullptr ? p->editor().get() : nullptr;
}

bool create(const clap_plugin_t* plugin, const char* api, bool floating) {
    ClapPlugin* p = onMainThread(plugin);
    if (p == nullptr || p->editor() != nullptr || !isSupported(api, floating)) {
        return false;
    }
    try {
        p->editor() = std::make_unique<ClapEditor>(*p);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void* parentOf(const clap_window_t& window) {
#if defined(_WIN32)
    return window.win32;
#else
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(window.x11));
#endif
}

} // namespace

const clap_plugin_gui_t kGuiExtension = {
    [](const clap_plugin_t* plugin, const char* api, bool floating) {
        return ClapPlugin::from(plugin) != nullptr && isSupported(api, floating);
    },
    [](const clap_plugin_t* plugin, const char** api, bool* floating) {
        if (ClapPlugin::from(plugin) == nullptr || api == nullptr || floating == nullptr) {
            return false;
        }
        *api = kWindowApi;
        *floating = false;
        return true;
    },
    create,
    [](const clap_plugin_t* plugin) {
        if (ClapPlugin* p = onMainThread(plugin)) {
            p->editor().reset();
        }
    },
    [](const clap_plugin_t* plugin, double scale) {
        ClapEditor* editor = editorOf(plugin);
        return editor != nullptr && editor->setHostScale(scale);
    },
    [](const clap_plugin_t* plugin, std::uint32_t* width, std::uint32_t* height) {
        const ClapEditor* editor = editorOf(plugin);
        if (editor == nullptr || width == nullptr || height == nullptr) {
            return false;
        }
        *width = static_cast<std::uint32_t>(editor->size().width());
        *height = static_cast<std::uint32_t>(editor->size().height());
        return true;
    },
    [](const clap_plugin_t*) { return false; },
    [](const clap_plugin_t*, clap_gui_resize_hints_t*) { return false; },
    [](const clap_plugin_t*, std::uint32_t*, std::uint32_t*) { return false; },
    [](const clap_plugin_t* plugin, std::uint32_t width, std::uint32_t height) {
        const ClapEditor* editor = editorOf(plugin);
        return editor != nullptr && width == static_cast<std::uint32_t>(editor->size().width()) &&
               height == static_cast<std::uint32_t>(editor->size().height());
    },
    [](const clap_plugin_t* plugin, const clap_window_t* window) {
        ClapEditor* editor = editorOf(plugin);
        return editor != nullptr && window != nullptr && window->api != nullptr &&
               std::strcmp(window->api, kWindowApi) == 0 && editor->open(parentOf(*window));
    },
    [](const clap_plugin_t*, const clap_window_t*) { return false; },
    [](const clap_plugin_t*, const char*) {},
    [](const clap_plugin_t* plugin) {
        ClapEditor* editor = editorOf(plugin);
        return editor != nullptr && editor->setVisible(true);
    },
    [](const clap_plugin_t* plugin) {
        ClapEditor* editor = editorOf(plugin);
        return editor != nullptr && editor->setVisible(false);
    },
};

// The host's timer and the editor's connection drive the same idle pass.
const clap_plugin_timer_support_t kTimerExtension = {
    [](const clap_plugin_t* plugin, clap_id timer) {
        ClapEditor* editor = editorOf(plugin);
        if (editor != nullptr && editor->ownsTimer(timer)) {
            editor->idle();
        }
    },
};

const clap_plugin_posix_fd_support_t kFdExtension = {
    [](const clap_plugin_t* plugin, int /*fd*/, std::uint32_t /*flags*/) {
        if (ClapEditor* editor = editorOf(plugin)) {
            editor->idle();
        }
    },
};

} // namespace tarvolin::clap
