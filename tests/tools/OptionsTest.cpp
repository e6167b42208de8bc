#include "tarvolin-render/Options.h"
#include "tarvolin-render/RenderError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolin::render {
namespace {

const std::filesystem::path kBuiltModule = "/build/Tarvolin.so";

const std::filesystem::path kEditorModule = "/build/TarvolinHeadless.so";

Options parse(std::vector<std::string_view> arguments,
              const std::filesystem::path& defaultModule = kBuiltModule) {
    return parseOptions(arguments, defaultModule, kEditorModule);
}

TEST(Options, WithoutArgumentsTheDemoGoesToItsOwnFileThroughTheBuiltModule) {
    const Options options = parse({});

    EXPECT_FALSE(options.help);
    EXPECT_FALSE(options.midiFile);
    EXPECT_EQ(options.output, "tarvolin-demo.wav");
    EXPECT_EQ(options.module, kBuiltModule);
    EXPECT_EQ(options.blockSize, 512);
    EXPECT_EQ(options.sampleRate, 44100);
    EXPECT_EQ(options.format, SampleFormat::Pcm16);
    EXPECT_EQ(options.channel, 0);
    EXPECT_EQ(options.maxTailSeconds, 10.0);
    EXPECT_FALSE(options.program);
    EXPECT_TRUE(options.settings.empty());
}

TEST(Options, AMidiFileIsRenderedBesideItselfAsWav) {
    EXPECT_EQ(parse({"songs/tune.mid"}).output, "songs/tune.wav");
    EXPECT_EQ(parse({"--", "-odd.mid"}).output, "-odd.wav");
}

TEST(Options, EveryOptionIsReadInBothSpellings) {
    const Options options =
        parse({"-o", "out.wav", "--module=/x/T.so", "--block-size", "100", "--float", "--program=3",
               "--load-chunk", "in.chunk", "--save-chunk=out.chunk", "--set", "CUTOFF=0.25",
               "--set=15=1", "--channel", "15", "--max-tail=2.5", "--rate", "96000", "song.mid"});

    EXPECT_EQ(options.output, "out.wav");
    EXPECT_EQ(options.module, "/x/T.so");
    EXPECT_EQ(options.blockSize, 100);
    EXPECT_EQ(options.format, SampleFormat::Float32);
    EXPECT_EQ(options.program, 3);
    EXPECT_EQ(options.loadChunk, "in.chunk");
    EXPECT_EQ(options.saveChunk, "out.chunk");
    ASSERT_EQ(options.settings.size(), 2u);
    EXPECT_EQ(options.settings[0].key, "CUTOFF");
    EXPECT_EQ(options.settings[0].value, 0.25f);
    EXPECT_EQ(options.settings[1].key, "15");
    EXPECT_EQ(options.settings[1].value, 1.0f);
    EXPECT_EQ(options.channel, 15);
    EXPECT_EQ(options.maxTailSeconds, 2.5);
    EXPECT_EQ(options.sampleRate, 96000);
    EXPECT_EQ(options.midiFile, "song.mid");
}

TEST(Options, HelpNeedsNoModule) {
    EXPECT_TRUE(parse({"--help"}, "").help);
    EXPECT_TRUE(parse({"-h"}, "").help);
}

TEST(Options, BadArgumentsAreRefusedNamingTheOption) {
    const struct {
        std::vector<std::string_view> arguments;
        const char* message;
    } cases[] = {
        {{"--block-size", "0"}, "--block-size needs a whole number from 1 to 65536, not \"0\""},
        {{"--block-size", "12abc"}, "--block-size needs"},
        {{"--block-size=99999999999"}, "--block-size needs"},
        {{"--program", "-1"}, "--program needs a whole number of at least 0"},
        {{"--channel", "16"}, "--channel needs a whole number from 0 to 15"},
        {{"--max-tail", "-1"}, "--max-tail needs"},
        {{"--max-tail", "inf"}, "--max-tail needs"},
        {{"--set", "CUTOFF=nan"}, "--set CUTOFF needs a value from 0 to 1"},
        {{"--set", "CUTOFF=1.5"}, "--set CUTOFF needs a value from 0 to 1"},
        {{"--set", "CUTOFF="}, "--set CUTOFF needs"},
        {{"--set", "CUTOFF"}, "--set needs NAME=VALUE"},
        {{"--set", "=0.5"}, "--set needs NAME=VALUE"},
        {{"--output="}, "--output needs a file name"},
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"--float=yes"}, "--float takes no value"},
        {{"--module"}, "--module needs a value"},
        {{"a.mid", "b.mid"}, "one MIDI file at most"},
        {{"-o", "song.mid", "song.mid"}, "would overwrite the MIDI file"},
        {{"--editor-click", "3,4"}, "give --editor-png FILE too"},
        {{"--about"}, "give --editor-png FILE too"},
        {{"--editor-scale", "2"}, "give --editor-png FILE too"},
        {{"--editor-png", "e.png", "--editor-scale", "3"},
         "--editor-scale needs a whole number from 1 to 2"},
        {{"--editor-png", "e.png", "--editor-click", "3"}, "--editor-click needs X,Y"},
        {{"--editor-png", "e.png", "--editor-click", "-3,4"}, "--editor-click needs X,Y"},
        {{"--editor-png", "e.png", "--editor-click", "3,4x"}, "--editor-click needs X,Y"},
        {{"--editor-png", "e.png", "--save-chunk", "s.chunk"}, "give --output or a MIDI file"},
        {{"--about=1", "--editor-png", "e.png"}, "--about takes no value"},
    };
    for (const auto& refused : cases) {
        SCOPED_TRACE(refused.message);
        try {
            parse(refused.arguments);
            ADD_FAILURE() << "accepted";
        } catch (const RenderError& error) {
            EXPECT_NE(std::string(error.what()).find(refused.message), std::string::npos)
                << error.what();
        }
    }
}

TEST(Options, TheEditorsPictureAloneRendersNoAudio) {
    const Options picture = parse({"--editor-png=e.png", "--editor-click", "10,20",
                                   "--editor-click=0,344", "--about", "--channel", "3"});
    EXPECT_FALSE(picture.renderAudio);
    EXPECT_EQ(picture.editorPicture, "e.png");
    EXPECT_EQ(picture.editorModule, kEditorModule);
    ASSERT_EQ(picture.editorClicks.size(), 2u);
    EXPECT_EQ(picture.editorClicks[1].x, 0);
    EXPECT_EQ(picture.editorClicks[1].y, 344);
    EXPECT_TRUE(picture.openAbout);

    EXPECT_TRUE(parse({"--editor-png", "e.png", "-o", "demo.wav"}).renderAudio);
    const Options both = parse({"--editor-png", "e.png", "--editor-module", "/x/H.so", "a.mid"});
    EXPECT_TRUE(both.renderAudio);
    EXPECT_EQ(both.output, "a.wav");
    EXPECT_EQ(both.editorModule, "/x/H.so");
    EXPECT_TRUE(parse({}).renderAudio);
    const std::vector<std::string_view> withoutEditorModule{"--editor-png", "e.png"};
    EXPECT_THROW(parseOptions(withoutEditorModule, kBuiltModule, ""), RenderError);
}

TEST(Options, WithoutABuiltModuleOneMustBeGiven) {
    EXPECT_THROW(parse({}, ""), RenderError);
    EXPECT_EQ(parse({"--module", "/x/T.so"}, "").module, "/x/T.so");
}

} // namespace
} // namespace tarvolin::render
