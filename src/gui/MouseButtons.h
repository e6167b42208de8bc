#pragma once

namespace tarvolin {

// Bits of the word getMouseButtons answers; controls compare the whole word,
// so left button with Alt is exactly ButtonLeft | ModifierAlt (33).
enum MouseButtons : int {
    ButtonLeft = 1,
    ButtonMiddle = 2,
    ButtonRight = 4,
    ModifierShift = 8,
    ModifierControl = 16,
    ModifierAlt = 32,
};

} // namespace tarvolin
