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

} // namespace tarvolin
