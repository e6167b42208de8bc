#include "EngineTestSupport.h"

#include "engine/EngineMath.h"
#include "engine/Modulation.h"
#include "engine/WavetableLfo.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarvolin {
namespace {

TEST(WavetableLfo, PhaseIncrementFromTheRate) {
    EXPECT_EQ(WavetableLfo(44100.0f).phaseIncrement(), 97392u); // 1 Hz when built
    EXPECT_EQ(WavetableLfo::incrementFor(20.0f, 44100.0f), 1947831u);
    // 1.5 * 2^32, kept to its low 32 bits
    EXPECT_EQ(WavetableLfo::incrementFor(44100.0f * 1.5f, 44100.0f), 0x80000000u);
    EXPECT_EQ(WavetableLfo(48000.0f).phaseIncrement(), 89478u);
}

TEST(WavetableLfo, TablesHoldOneCycleAndRepeatTheirStart) {
    const LfoTables& tables = LfoTables::shared();
    const float sine[] = {0.0f, 1.0f, 0.0f, -1.0f, 0.0f};
    const float triangle[] = {0.0f, 1.0f, 0.0f, -1.0f, 0.0f};
    const float saw[] = {-1.0f, -0.498f, 0.004f, 0.506f, -1.0f};
    const float rectangle[] = {1.0f, 1.0f, -1.0f, -1.0f, 1.0f};
    for (int quarter = 0; quarter <= 4; ++quarter) {
        EXPECT_NEAR(tables.sine[quarter * 64], sine[quarter], 1e-7f) << quarter;
        EXPECT_EQ(tables.triangle[quarter * 64], triangle[quarter]) << quarter;
        EXPECT_NEAR(tables.saw[quarter * 64], saw[quarter], 1e-3f) << quarter;
        EXPECT_EQ(tables.rectangle[quarter * 64], rectangle[quarter]) << quarter;
    }
    EXPECT_EQ(tables.rectangle[127], 1.0f);
    EXPECT_NEAR(tables.saw[255], 1.0f, 1e-6f);
}

TEST(WavetableLfo, InterpolatesFromThePhaseBeforeTheAdvance) {
    WavetableLfo lfo(44100.0f);
    const std::uint32_t halfEntry = WavetableLfo::incrementFor(44100.0f / 512.0f, 44100.0f);
    ASSERT_EQ(halfEntry, 1u << 23);
    const auto& table = LfoTables::shared().triangle;
    // Groups of 1 to 4 ticks, so every lane and every advance is used.
    for (int tick = 0, group = 0; tick < 1024; ++group) {
        const int count = std::min(1 + group % 4, 1024 - tick);
        const Float4 values = lfo.ticks(halfEntry, WavetableLfo::kTriangle, count);
        for (int i = 0; i < count; ++i, ++tick) {
            const int entry = (tick / 2) % 256;
            ASSERT_EQ(values[i],
                      tick % 2 == 0 ? table[entry] : (table[entry] + table[entry + 1]) * 0.5f)
                << tick;
        }
    }
    EXPECT_EQ(lfo.phase(), 0u); // 1024 half entries: two whole wraps

    lfo.ticks(halfEntry, WavetableLfo::kTriangle, 1);
    lfo.restart();
    EXPECT_EQ(lfo.ticks(halfEntry, WavetableLfo::kSaw, 1)[0], -1.0f);
    for (long waveform : {3L, 4L, 100L}) { // 3 and above: the rectangle
        lfo.restart();
        const Float4 values = lfo.ticks(halfEntry, waveform, 2);
        EXPECT_EQ(values[0], 1.0f);
        EXPECT_EQ(values[1], 1.0f);
    }
}

TEST(ModulationRouting, DepthAndDestinationsRoundingHalfToEven) {
    EXPECT_EQ(ModulationRouting::lfoDepth(0.5f), 0.0f);
    EXPECT_EQ(ModulationRouting::lfoDepth(0.0f), 1.0f);
    EXPECT_EQ(ModulationRouting::lfoDepth(0.75f), 0.0625f);

    const auto lfo1 = [](float destination) {
        ModulationSums sums;
        ModulationRouting::routeLfo1(sums, splat(0.5f), 1.0f, roundToInt(destination * 4.0f));
        return sums;
    };
    EXPECT_EQ(lfo1(0.125f).fm2[0], 0.75f);   // 0.5 -> 0: FM 2
    EXPECT_EQ(lfo1(0.25f).pitch2[0], 24.0f); // 1: pitch 2 only
    EXPECT_EQ(lfo1(0.25f).pitch1[0], 0.0f);
    EXPECT_EQ(lfo1(0.375f).pw1[0], 1.5f);        // 1.5 -> 2: both pulse widths
    EXPECT_EQ(lfo1(0.625f).pw2[0], 1.5f);        // 2.5 -> 2
    EXPECT_EQ(lfo1(0.75f).pitch1[0], 24.0f);     // 3: both pitches
    EXPECT_EQ(lfo1(0.875f).cutoffMod[0], 0.75f); // 3.5 -> 4: cutoff
    EXPECT_EQ(lfo1(1.5f).cutoffMod[0], 0.0f);    // 6: nothing

    const auto lfo2 = [](float destination, float amount) {
        ModulationSums sums;
        ModulationRouting::routeLfo2(sums, splat(1.0f), ModulationRouting::lfoDepth(amount), amount,
                                     roundToInt(destination * 2.0f));
        return sums;
    };
    EXPECT_EQ(lfo2(0.25f, 1.0f).pitch1[0], 48.0f);   // 0.5 -> 0: both pitches
    EXPECT_EQ(lfo2(0.5f, 1.0f).ampMod[0], 0.0f);     // tremolo downwards at amount 1
    EXPECT_EQ(lfo2(0.5f, 0.0f).ampMod[0], 2.0f);     // and upwards at amount 0
    EXPECT_EQ(lfo2(0.75f, 1.0f).cutoffMod[0], 1.0f); // 1.5 -> 2: cutoff

    const auto envelope = [](float destination) {
        ModulationSums sums;
        ModulationRouting::routeModEnvelope(sums, splat(-0.5f), roundToInt(destination * 2.0f));
        return sums;
    };
    EXPECT_EQ(envelope(0.25f).pitch2[0], -24.0f); // 0.5 -> 0: pitch 2
    EXPECT_EQ(envelope(0.5f).fm2[0], -0.5f);
    EXPECT_EQ(envelope(0.75f).pw1[0], -0.5f); // 1.5 -> 2: both pulse widths
    EXPECT_EQ(envelope(0.75f).pw2[0], -0.5f);
}

TEST(WavetableLfo, RunsOnlyWhileItsRateIsUpAndRestartsOnRequest) {
    auto engine = test::makeEngine();
    engine->noteOn(60, 0);
    test::render(*engine, 100);
    const WavetableLfo& lfo1 = engine->voice(0).lfo1;
    EXPECT_EQ(lfo1.phase(), 0u);

    test::setParam(*engine, kLfo1Rate, 1.0f);
    test::render(*engine, 100);
    EXPECT_EQ(lfo1.phase(), 100u * 1947831u);
    engine->noteOn(62, 0); // restart switch off: keeps running
    EXPECT_EQ(lfo1.phase(), 100u * 1947831u);
    test::setParam(*engine, kLfo1Restart, 1.0f);
    engine->noteOn(64, 0);
    EXPECT_EQ(lfo1.phase(), 0u);
}

} // namespace
} // namespace tarvolin
