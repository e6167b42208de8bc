#pragma once

#include <array>

namespace tarvolin {

class ParameterStore;

// The text hosts show beside a parameter: at most 8 characters and a terminator.
using DisplayText = std::array<char, 9>;

// The current channel's value of a parameter as text: the channel selector
// shows the channel number, the export switch its state, the note-off switch
// the whole number the program keeps; "0" for indices outside the table.
DisplayText displayText(const ParameterStore& parameters, int exportState, int index);

// The text the display shows once a value is stored: the channel it selects,
// the export's state or the note-off switch's whole number for the switches.
DisplayText displayTextOf(int index, float value);

// The channel a value of the channel selector selects: beyond 0..1 the
// nearest channel there is.
int channelFor(float value);

} // namespace tarvolin
