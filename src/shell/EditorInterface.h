#pragma once

#include "shell/vst2.h"

#include <atomic>

namespace tarvolin {

class EffectBase;

// What the effect's dispatcher needs of any editor: the host's four editor
// requests, and the pending-update handshake the editor's idle consumes.
class EditorInterface {
public:
    explicit EditorInterface(EffectBase* effect) : effect(effect) {}
    virtual ~EditorInterface() = default;
    EditorInterface(const EditorInterface&) = delete;
    EditorInterface& operator=(const EditorInterface&) = delete;

    // Answers 1 and points rect at the editor's size; this base has no size.
    virtual VstIntPtr getRect(ERect** rect) {
        *rect = nullptr;
        return 0;
    }
    virtual VstIntPtr open(void* window) {
        parentWindow = window;
        return 0;
    }
    virtual void close() {}
    virtual void idle() {
        if (updatePending.exchange(0, std::memory_order_relaxed) != 0) {
            update();
        }
    }
    virtual void update() {}
    virtual void requestUpdate() { updatePending.store(1, std::memory_order_relaxed); }
    // The effect stored a parameter value. This may run on the audio thread
    // while the user-interface thread opens, draws or closes the editor, so it
    // only asks for an update, which the next idle performs.
    virtual void setParameter(VstInt32 /*index*/, float /*value*/) { requestUpdate(); }

protected:
    EffectBase* effect;
    void* parentWindow = nullptr;
    // Set from whichever thread changes a parameter, consumed on the UI thread.
    std::atomic<VstInt32> updatePending{0};
};

} // namespace tarvolin
