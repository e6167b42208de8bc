#pragma once

namespace tarvolin {

// Follows what the instrument stores: the editor redraws from it, a format's
// face tells its host. Called on whichever thread stored, the audio thread
// included, so an answer must be quick and take no lock.
class InstrumentListener {
public:
    // A value was stored on a channel: by the host, the editor, a MIDI
    // controller, a program load or a channel switch.
    virtual void valueStored(int channel, int index, float value) = 0;
    // Another channel became the current one, and its values were stored
    // again: every value hosts see may have changed.
    virtual void channelSelected(int channel) = 0;

protected:
    ~InstrumentListener() = default;
};

} // namespace tarvolin
