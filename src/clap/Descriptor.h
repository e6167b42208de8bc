#pragma once

#include "clap/abi/Entry.h"

namespace tarvolin::clap {

// The one plug-in the module holds.
extern const clap_plugin_descriptor_t kDescriptor;

} // namespace tarvolin::clap
