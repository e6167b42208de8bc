// Counts every allocation the program makes through operator new, so that a
// stretch of rendering can show that it makes none. In its own executable,
// as it replaces the global operators for the whole program.
#include "EngineTestSupport.h"
#include "ReplacedAllocator.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

TEST(RealTime, RenderingAndNotesAllocateNothing) {
    auto engine = test::makeEngine();
    for (ParameterIndex busy : {kLfo1Rate, kLfo2Rate, kModEnvAmount, kPortamento, kNoiseVolume,
                                kFmAmountOsc1, kPwAmountOsc2, kResonance}) {
        test::setParam(*engine, busy, 0.7f);
    }

    const long before = test::allocationCount();
    for (int sample = 0; sample < 441000; ++sample) {
        if (sample % 5000 == 0) {
            engine->noteOn(40 + sample % 37, sample % 3);
            test::setParam(*engine, kWaveformOsc1, static_cast<float>(sample % 4) / 3.0f);
        }
        if (sample % 5000 == 3000) {
            engine->noteOff(40 + (sample - 3000) % 37, sample % 3);
        }
        float out = 0.0f;
        engine->renderSample(out);
    }
    EXPECT_EQ(test::allocationCount() - before, 0);

    // The counter works: building an engine does allocate.
    auto another = test::makeEngine();
    EXPECT_GT(test::allocationCount() - before, 0);
}

} // namespace
} // namespace tarvolin
