#pragma once

#include "Options.h"

namespace tarvolin::render {

// Carries out one command line, from reading the inputs to writing the outputs.
// Inputs are checked before the module is loaded; any failure throws a RenderError.
void render(const Options& options);

} // namespace tarvolin::render
