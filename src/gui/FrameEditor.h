#pragma once

namespace tarvolin {

class EffectBaseExt;

// What a frame needs of the editor that owns it; the editor layer implements it.
class FrameEditor {
public:
    // Called by controls on every pass of a mouse-tracking loop; the editor
    // throttles it into occasional refresh passes and host idle calls.
    virtual void trackingIdle() = 0;
    // The effect through which an own-window frame asks the host for a window; may be null.
    virtual EffectBaseExt* effect() = 0;

protected:
    ~FrameEditor() = default;
};

} // namespace tarvolin
