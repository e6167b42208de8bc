#include "clap/Descriptor.h"

#include "instrument/Instrument.h"

namespace tarvolin::clap {

namespace {

constexpr const char* kFeatures[] = {"instrument", "synthesizer", "mono", nullptr};

} // namespace

const clap_plugin_descriptor_t kDescriptor = {
    CLAP_VERSION,
    "com.halbrook.tarvolin",
    Instrument::kName,
    Instrument::kVendor,
    "",
    "",
    "",
    TARVOLIN_VERSION,
    "Monophonic virtual-analog synthesizer",
    kFeatures,
};

} // namespace tarvolin::clap
