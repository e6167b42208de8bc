#pragma once

namespace tarvolin {

class SynthEngine;

// Controllers that address the channel rather than a sound parameter.
// Registered parameter selection and data entry (101, 100, 6, 38) set the
// channel's bend range, and the controllers still go on to the program's
// controller map, where a user may have bound them. The channel mode messages
// (120 to 127, which MIDI reserves for them) act here and are taken: they
// never reach the map, so a binding to one of them does nothing and learning
// never sees them. Answers whether the controller was taken.
bool takeChannelController(SynthEngine& engine, int channel, int controller, int value) noexcept;

} // namespace tarvolin
