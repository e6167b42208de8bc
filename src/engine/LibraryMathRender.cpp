// The engine's render with the C library's math, which the tests compare the
// engine's own math with. A module that never calls it does not link it.
#include "engine/LibraryMath.h"
#include "engine/SynthEngineRender.h"

namespace tarvolin {

template void SynthEngine::renderWith<LibraryMath>(float* out, int frames) noexcept;

} // namespace tarvolin
