#include "instrument/ChannelMessages.h"

#include "engine/SynthEngine.h"

namespace tarvolin {

namespace {

constexpr int kDataEntryCoarse = 6;
constexpr int kDataEntryFine = 38;
constexpr int kNonRegisteredFine = 98;
constexpr int kNonRegisteredCoarse = 99;
constexpr int kRegisteredFine = 100;
constexpr int kRegisteredCoarse = 101;
constexpr int kAllSoundOff = 120;
constexpr int kResetAllControllers = 121;
constexpr int kAllNotesOff = 123;
constexpr int kLastModeMessage = 127;

} // namespace

bool takeChannelController(SynthEngine& engine, int channel, int controller, int value) noexcept {
    if (channel < 0 || channel >= kNumChannels) {
        return false;
    }
    PitchBend& bend = engine.bend(channel);
    switch (controller) {
    case kRegisteredCoarse:
        bend.selectCoarse(value);
        return false;
    case kRegisteredFine:
        bend.selectFine(value);
        return false;
    // Data entry after a non-registered number is meant for that parameter,
    // not for the bend range.
    case kNonRegisteredCoarse:
    case kNonRegisteredFine:
        bend.deselect();
        return false;
    case kDataEntryCoarse:
        bend.enterCoarse(value);
        return false;
    case kDataEntryFine:
        bend.enterFine(value);
        return false;
    case kAllSoundOff:
        engine.allSoundOff(channel);
        return true;
    case kResetAllControllers:
        engine.resetControllers(channel);
        return true;
    case kAllNotesOff:
        engine.allNotesOff(channel);
        return true;
    default:
        // Local control and the omni, mono and poly modes have nothing to
        // switch in a monophonic instrument with no keyboard of its own.
        return controller >= kAllSoundOff && controller <= kLastModeMessage;
    }
}

} // namespace tarvolin
