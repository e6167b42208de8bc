#include "engine/LadderFilter.h"

namespace tarvolin {

const LadderTuning LadderFilter::referenceTuning;

} // namespace tarvolin
