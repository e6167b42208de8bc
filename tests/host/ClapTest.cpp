// Tarvolin.clap as CLAP hosts drive it.
#include "ClapTestHost.h"
#include "FreshModule.h"
#include "Phrase.h"
#include "TestHost.h"
#include "TonePitch.h"

#include "clap/abi/HostServices.h"
#include "clap/abi/Params.h"
#include "clap/abi/State.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

namespace tarvolin::testing {
namespace {

constexpr std::uint32_t kBlock = 256;

bool isSilent(const std::vector<float>& samples) {
    return std::all_of(samples.begin(), samples.end(), [](float s) { return s == 0.0f; });
}

void activate(ClapTestHost& test, double rate = 44100.0) {
    ASSERT_TRUE(test.plugin->activate(test.plugin, rate, 1, 4096));
    ASSERT_TRUE(test.plugin->start_processing(test.plugin));
}

// A stream over bytes that moves at most `step` bytes a call, or fails.
struct Stream {
    std::vector<std::byte> bytes;
    std::size_t position = 0;
    std::int64_t step = 1;
    clap_istream_t in{
        this, [](const clap_istream_t* s, void* buffer, std::uint64_t size) {
            auto& self = *static_cast<Stream*>(s->ctx);
            if (self.step < 0) {
                return self.step;
            }
            const std::size_t n = std::min(
                {size, static_cast<std::uint64_t>(self.step), self.bytes.size() - self.position});
            std::copy_n(self.bytes.begin() + static_cast<std::ptrdiff_t>(self.position), n,
                        static_cast<std::byte*>(buffer));
            self.position += n;
            return static_cast<std::int64_t>(n);
        }};
    clap_ostream_t out{this, [](const clap_ostream_t* s, const void* buffer, std::uint64_t size) {
                           auto& self = *static_cast<Stream*>(s->ctx);
                           if (self.step < 0) {
                               return self.step;
                           }
                           const auto* from = static_cast<const std::byte*>(buffer);
                           const std::size_t n = std::min<std::uint64_t>(size, self.step);
                           self.bytes.insert(self.bytes.end(), from, from + n);
                           return static_cast<std::int64_t>(n);
                       }};
};

TEST(Clap, TheModuleExportsOneEntryWithOneInstrumentAndRefusesWhatIsNotIt) {
    const ClapModule module;
    EXPECT_EQ(module.symbol("VSTPluginMain"), nullptr);
    const auto& entry = module.entry();
    EXPECT_TRUE(clap_version_is_compatible(entry.clap_version));
    EXPECT_EQ(entry.get_factory("clap.preset-discovery-factory"), nullptr);
    const auto& factory = module.factory();
    ASSERT_EQ(factory.get_plugin_count(&factory), 1u);
    EXPECT_EQ(factory.get_plugin_descriptor(&factory, 1), nullptr);
    const clap_plugin_descriptor_t& d = *factory.get_plugin_descriptor(&factory, 0);
    EXPECT_STREQ(d.id, "com.halbrook.tarvolin");
    EXPECT_STREQ(d.name, "Tarvolin");
    EXPECT_STREQ(d.vendor, "Halbrook");
    EXPECT_STREQ(d.version, TARVOLIN_VERSION);
    std::vector<std::string> features(d.features, std::find(d.features, d.features + 8, nullptr));
    EXPECT_EQ(features, (std::vector<std::string>{"instrument", "synthesizer", "mono"}));

    EXPECT_EQ(ClapTestHost(module, {0, 9, 0}).plugin, nullptr);
    ClapTestHost host(module);
    EXPECT_EQ(factory.create_plugin(&factory, nullptr, d.id), nullptr);
    // init -> deinit -> init: the module's own count stays above zero.
    entry.deinit();
    EXPECT_EQ(entry.get_factory(CLAP_PLUGIN_FACTORY_ID), nullptr);
    EXPECT_TRUE(entry.init(""));
    EXPECT_EQ(entry.get_factory(CLAP_PLUGIN_FACTORY_ID), &factory);
}

// The phrase the VST 2 module is checked with, as a CLAP host sends it:
// notes as CLAP notes, controllers as raw MIDI, the patch as parameter values.
std::vector<float> clapPhrase(ClapTestHost& test, std::uint32_t block) {
    ClapEvents patch;
    for (const auto& [index, value] : phrasePatch()) {
        patch.param(0, static_cast<clap_id>(index), value);
    }
    test.flush(patch);
    activate(test);
    std::vector<float> phrase;
    std::size_t next = 0;
    const auto& events = phraseEvents();
    for (std::uint32_t start = 0; start < kPhraseLength; start += block) {
        const std::uint32_t frames = std::min<std::uint32_t>(block, kPhraseLength - start);
        ClapEvents due;
        for (; next < events.size() && events[next].sample < static_cast<int>(start + frames);
             ++next) {
            const auto time = static_cast<std::uint32_t>(events[next].sample) - start;
            const auto* data = reinterpret_cast<const unsigned char*>(events[next].event.midiData);
            if ((data[0] & 0xF0) == 0xB0) {
                due.midi(time, data[0], data[1], data[2]);
            } else {
                due.note(time, (data[0] & 0xF0) == 0x90 ? CLAP_EVENT_NOTE_ON : CLAP_EVENT_NOTE_OFF,
                         data[1], data[2] / 127.0);
            }
        }
        const ClapTestHost::Block out = test.process(frames, due);
        EXPECT_EQ(out.left, out.right);
        phrase.insert(phrase.end(), out.left.begin(), out.left.end());
    }
    return phrase;
}

TEST(Clap, ThePhraseSoundsSampleForSampleAsThroughTheVst2Module) {
    std::vector<float> vst2;
    {
        const FreshModule fresh;
        const TestHost vst2Host(fresh.module());
        setUpPhrasePatch(vst2Host.plugin);
        vst2 = renderPhrase(vst2Host.plugin, 512);
    }
    const ClapModule module;
    ClapTestHost test(module);
    EXPECT_EQ(clapPhrase(test, 100), vst2);
}

TEST(Clap, AParameterEventAtOffsetKChangesTheOutputFromSampleKOn) {
    // Each from a module of its own, so that both draw the same noise.
    const ClapModule first, second;
    ClapTestHost plain(first), automated(second);
    activate(plain);
    activate(automated);
    for (ClapTestHost* test : {&plain, &automated}) {
        ClapEvents note;
        note.note(0, CLAP_EVENT_NOTE_ON, 60);
        test->process(kBlock, note);
    }
    ClapEvents events;
    events.param(77, 0, 0.0); // VOLUME
    const auto heard = automated.process(kBlock, events).left;
    const auto expected = plain.process(kBlock).left;
    EXPECT_TRUE(std::equal(heard.begin(), heard.begin() + 77, expected.begin()));
    EXPECT_NE(expected[77], 0.0f);
    EXPECT_TRUE(isSilent({heard.begin() + 77, heard.end()}));
}

TEST(Clap, StateMovesThroughOneByteStreamsAndOnlyWholeRecordsAreTaken) {
    const ClapModule module;
    ClapTestHost source(module), target(module);
    const auto* state = source.extension<clap_plugin_state_t>(CLAP_EXT_STATE);
    ClapEvents edit;
    edit.param(0, 14, 0.25);
    source.flush(edit);
    Stream saved;
    ASSERT_TRUE(state->save(source.plugin, &saved.out));
    ASSERT_EQ(saved.bytes.size(), 4372u);
    const auto* params = target.extension<clap_plugin_params_t>(CLAP_EXT_PARAMS);
    double cutoff = 0.0;
    for (std::vector<std::byte> bad :
         {std::vector<std::byte>{}, std::vector<std::byte>(4371, std::byte{7})}) {
        Stream short_{bad};
        EXPECT_FALSE(state->load(target.plugin, &short_.in));
    }
    Stream failing{saved.bytes, 0, -1};
    EXPECT_FALSE(state->load(target.plugin, &failing.in));
    EXPECT_FALSE(state->save(source.plugin, &failing.out));
    ASSERT_TRUE(params->get_value(target.plugin, 14, &cutoff));
    EXPECT_EQ(cutoff, 1.0);
    Stream whole{saved.bytes};
    ASSERT_TRUE(state->load(target.plugin, &whole.in));
    ASSERT_TRUE(params->get_value(target.plugin, 14, &cutoff));
    EXPECT_EQ(cutoff, 0.25);
}

TEST(Clap, AVst2ChunkLoadsIntoTheClapInstanceAndPlaysTheSame) {
    std::vector<float> vst2;
    Stream chunk;
    {
        const FreshModule fresh;
        const TestHost vst2Host(fresh.module());
        setUpPhrasePatch(vst2Host.plugin);
        void* data = nullptr;
        const auto size = vst2Host.plugin.dispatch(effGetChunk, 0, 0, &data);
        const auto* bytes = static_cast<const std::byte*>(data);
        chunk.bytes.assign(bytes, bytes + size);
        vst2 = renderPhrase(vst2Host.plugin, 512);
    }
    chunk.step = 1000;
    const ClapModule module;
    ClapTestHost test(module);
    const auto* state = test.extension<clap_plugin_state_t>(CLAP_EXT_STATE);
    ASSERT_TRUE(state->load(test.plugin, &chunk.in));
    EXPECT_EQ(clapPhrase(test, 512), vst2);
}

TEST(Clap, TheExportSwitchWritesItsFileOnTheMainThreadOnly) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("tarvolin-clap-export-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    {
        const ClapModule module;
        ClapTestHost test(module);
        activate(test);
        ClapEvents on;
        on.param(3, 51, 1.0);
        test.process(kBlock, on);
        EXPECT_FALSE(std::filesystem::exists("tuneByteDataNew.txt"));
        EXPECT_EQ(test.callbackRequests, 1);
        test.plugin->on_main_thread(test.plugin);
        std::stringstream text;
        text << std::ifstream("tuneByteDataNew.txt").rdbuf();
        EXPECT_NE(text.str().find("const unsigned char tuneData[] = {"), std::string::npos);
    }
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(folder);
}

TEST(Clap, ProcessSleepsOnlyOnceTheReleaseHasEndedAndTheTailSaysHowLong) {
    const ClapModule module;
    ClapTestHost test(module), other(module);
    activate(test);
    activate(other);
    const auto* tail = test.extension<clap_plugin_tail_t>(CLAP_EXT_TAIL);
    ClapEvents release;
    release.param(0, 31, 0.6);
    release.param(0, 30, 0.5);
    EXPECT_EQ(test.process(kBlock, release).status, CLAP_PROCESS_SLEEP);
    ClapEvents on;
    on.note(10, CLAP_EVENT_NOTE_ON, 64, 0.0); // velocity 0.0 is still a note on
    EXPECT_EQ(test.process(kBlock, on).status, CLAP_PROCESS_CONTINUE);
    EXPECT_EQ(tail->get(test.plugin), UINT32_MAX);
    ClapEvents off;
    off.note(0, CLAP_EVENT_NOTE_OFF, 64);
    EXPECT_EQ(test.process(kBlock, off).status, CLAP_PROCESS_CONTINUE);
    const std::uint32_t left = tail->get(test.plugin);
    ASSERT_GT(left, kBlock);
    for (std::uint32_t end = kBlock; end < left; end += kBlock) {
        EXPECT_EQ(test.process(kBlock).status, CLAP_PROCESS_CONTINUE);
    }
    EXPECT_EQ(test.process(kBlock).status, CLAP_PROCESS_SLEEP);
    const auto after = test.process(kBlock);
    EXPECT_EQ(after.status, CLAP_PROCESS_SLEEP);
    EXPECT_TRUE(isSilent(after.left) && isSilent(after.right));
    // The other instance heard nothing of it; a choke of its key silences it at once.
    EXPECT_EQ(other.process(kBlock).status, CLAP_PROCESS_SLEEP);
    ClapEvents choke;
    choke.note(0, CLAP_EVENT_NOTE_ON, 50);
    choke.note(5, CLAP_EVENT_NOTE_CHOKE, 51);
    choke.note(9, CLAP_EVENT_NOTE_CHOKE, 50);
    const auto choked = other.process(kBlock, choke);
    EXPECT_NE(choked.left[8], 0.0f);
    EXPECT_TRUE(isSilent({choked.left.begin() + 9, choked.left.end()}));
    EXPECT_EQ(choked.status, CLAP_PROCESS_SLEEP);
    double release_ = 0.0;
    other.extension<clap_plugin_params_t>(CLAP_EXT_PARAMS)->get_value(other.plugin, 31, &release_);
    EXPECT_EQ(release_, 0.0);
}

TEST(Clap, ParametersShowWhatTheVst2DisplayShowsAndAFlushKeepsItsOrder) {
    const ClapModule module;
    ClapTestHost test(module);
    const auto* params = test.extension<clap_plugin_params_t>(CLAP_EXT_PARAMS);
    ASSERT_EQ(params->count(test.plugin), 52u);
    clap_param_info_t info;
    ASSERT_TRUE(params->get_info(test.plugin, 29, &info));
    EXPECT_STREQ(info.name, "DECAYAMP ");
    EXPECT_EQ(info.default_value, 1.0);
    EXPECT_NE(info.flags & CLAP_PARAM_IS_AUTOMATABLE, 0u);
    ASSERT_TRUE(params->get_info(test.plugin, 50, &info));
    EXPECT_EQ(info.flags & CLAP_PARAM_IS_AUTOMATABLE, 0u);
    EXPECT_FALSE(params->get_info(test.plugin, 52, &info));

    char text[16] = "untouched";
    EXPECT_TRUE(params->value_to_text(test.plugin, 50, 0.5, text, sizeof text));
    EXPECT_STREQ(text, "8.000000");
    EXPECT_TRUE(params->value_to_text(test.plugin, 14, 0.25, text, 4));
    EXPECT_STREQ(text, "0.2");
    EXPECT_TRUE(params->value_to_text(test.plugin, 14, 0.25, text, 1));
    EXPECT_STREQ(text, "");
    text[0] = 'x';
    EXPECT_FALSE(params->value_to_text(test.plugin, 14, 0.25, text, 0));
    EXPECT_FALSE(params->value_to_text(test.plugin, 52, 0.25, text, sizeof text));
    EXPECT_EQ(text[0], 'x');
    double value = 0.0;
    EXPECT_TRUE(params->text_to_value(test.plugin, 50, "3.000000", &value));
    EXPECT_DOUBLE_EQ(value, 0.2);
    EXPECT_FALSE(params->text_to_value(test.plugin, 14, "loud", &value));

    // Channel 1 is chosen between the two values: each lands on its own channel.
    ClapEvents flush;
    flush.param(0, 14, 0.3);
    flush.param(0, 50, 1.0 / 15.0);
    flush.param(0, 14, 0.7);
    flush.param(0, 15, std::numeric_limits<double>::quiet_NaN());
    flush.param(0, 16, 1e300);
    flush.param(0, 99, 1.0);
    test.flush(flush);
    EXPECT_EQ(test.callbackRequests, 1);
    test.plugin->on_main_thread(test.plugin);
    EXPECT_EQ(test.rescans, 1);
    params->get_value(test.plugin, 14, &value);
    EXPECT_FLOAT_EQ(value, 0.7);
    params->get_value(test.plugin, 16, &value);
    EXPECT_EQ(value, std::numeric_limits<float>::max());
    flush = {};
    flush.param(0, 50, 0.0);
    test.flush(flush);
    params->get_value(test.plugin, 14, &value);
    EXPECT_FLOAT_EQ(value, 0.3);
    activate(test);
    ClapEvents note;
    note.note(0, CLAP_EVENT_NOTE_ON, 60);
    const auto out = test.process(kBlock, note);
    EXPECT_TRUE(
        std::all_of(out.left.begin(), out.left.end(), [](float s) { return std::isfinite(s); }));
}

using testing::pitch;

TEST(Clap, ActivatedAt48And96KilohertzItPlaysTheSamePitchAsAt44100) {
    const ClapModule module;
    std::vector<double> heard;
    for (const double rate : {44100.0, 48000.0, 96000.0}) {
        ClapTestHost test(module);
        activate(test, rate);
        ClapEvents note;
        note.note(0, CLAP_EVENT_NOTE_ON, 69);
        test.process(static_cast<std::uint32_t>(rate / 10), note);
        heard.push_back(pitch(test.process(static_cast<std::uint32_t>(rate / 5)).left, rate));
    }
    ASSERT_GT(heard[0], 100.0);
    for (const double hertz : heard) {
        EXPECT_NEAR(1200.0 * std::log2(hertz / heard[0]), 0.0, 1.0);
    }
    ClapTestHost test(module);
    EXPECT_FALSE(
        test.plugin->activate(test.plugin, std::numeric_limits<double>::quiet_NaN(), 1, 64));
}

} // namespace
} // namespace tarvolin::testing
