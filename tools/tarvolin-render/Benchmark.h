#pragma once

#include "Options.h"

namespace tarvolin::render {

// Times one or two plug-in modules playing the same notes, as a person runs it
// to compare instruments: nanoseconds of thread CPU time per rendered sample
// spent in processEvents and processReplacing alone, the median of several
// fresh instances after a warm-up. With a second module the two take turns in
// one process and the ratio is printed. Measures only; asserts nothing.
void benchmark(const Options& options);

} // namespace tarvolin::render
