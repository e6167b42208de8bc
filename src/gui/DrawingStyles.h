#pragma once

namespace tarvolin {

enum LineStyle : int { LineSolid = 0, LineDotted = 1 };

// Any other value aligns left, like AlignLeft.
enum TextAlignment : int { AlignLeft = 0, AlignCenter = 1, AlignRight = 2 };

} // namespace tarvolin
