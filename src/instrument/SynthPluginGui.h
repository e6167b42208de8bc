#pragma once

#include "instrument/SynthPlugin.h"

namespace tarvolin {

// The instrument as hosts receive it: the instrument with its identity, and
// the layer its editor attaches to.
class SynthPluginGui : public SynthPlugin {
public:
    explicit SynthPluginGui(audioMasterCallback hostCallback);
};

} // namespace tarvolin
