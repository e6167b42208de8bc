#include "../editor/EditorControls.h"
#include "../host/TonePitch.h"
#include "SmfBuilder.h"
#include "tarvolin-render/ChunkFile.h"
#include "tarvolin-render/DemoTune.h"

#include <gtest/gtest.h>
#include <png.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tarvolin::render {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode;
    std::string out;
    std::string err;
};

struct Wav {
    int channels = 0;
    int sampleRate = 0;
    int format = 0;
    std::vector<float> left;
    std::vector<float> right;
};

constexpr std::int64_t kSilentTail = kSampleRate / 10;
constexpr float kQuiet = 1.0f / 32768.0f;

std::string quoted(const std::string& text) {
    std::string result = "'";
    for (char c : text) {
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return result + "'";
}

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::vector<unsigned char>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

Wav readWav(const fs::path& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    Wav wav;
    if (file == nullptr) {
        ADD_FAILURE() << "cannot read " << path;
        return wav;
    }
    wav.channels = info.channels;
    wav.sampleRate = info.samplerate;
    wav.format = info.format;
    std::vector<float> frames(static_cast<std::size_t>(info.frames * info.channels));
    sf_readf_float(file, frames.data(), info.frames);
    sf_close(file);
    for (std::size_t i = 0; i + 1 < frames.size(); i += 2) {
        wav.left.push_back(frames[i]);
        wav.right.push_back(frames[i + 1]);
    }
    return wav;
}

std::optional<platform::PixelBuffer> readPng(const fs::path& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
        return std::nullopt;
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) {
        return std::nullopt;
    }
    const int width = static_cast<int>(image.width);
    platform::PixelBuffer pixels(width, static_cast<int>(image.height));
    for (int v = 0; v < pixels.height(); ++v) {
        for (int h = 0; h < width; ++h) {
            const png_byte* at = &rgb[(static_cast<std::size_t>(v) * width + h) * 3];
            pixels.set({h, v}, platform::PixelBuffer::pack({at[0], at[1], at[2], 0}));
        }
    }
    return pixels;
}

std::int64_t firstSound(const std::vector<float>& samples) {
    const auto at = std::find_if(samples.begin(), samples.end(), [](float x) { return x != 0.0f; });
    return at - samples.begin();
}

float peak(const std::vector<float>& samples) {
    float largest = 0.0f;
    for (float x : samples) {
        largest = std::max(largest, std::fabs(x));
    }
    return largest;
}

// A rendered file as it should come out: stereo 44100 Hz with identical channels,
// long enough for the score, ended by silence before the tail's bound, and
// within what the saturation lets through at the default VOLUME of 0.5.
void expectWellFormed(const Wav& wav, std::int64_t scoreLength) {
    EXPECT_EQ(wav.channels, 2);
    EXPECT_EQ(wav.sampleRate, kSampleRate);
    EXPECT_TRUE(wav.left == wav.right);
    const auto frames = static_cast<std::int64_t>(wav.left.size());
    EXPECT_GE(frames, scoreLength + kSilentTail);
    EXPECT_LT(frames, scoreLength + 10 * kSampleRate);
    EXPECT_GT(peak(wav.left), 0.05f);
    EXPECT_LE(peak(wav.left), 1.0f);
    const std::vector<float> ending(wav.left.end() - kSilentTail, wav.left.end());
    EXPECT_LT(peak(ending), kQuiet);
}

class RenderTool : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        dir = fs::temp_directory_path() /
              ("tarvolin-render-test-" + std::to_string(getpid()) + "-" + name);
        fs::remove_all(dir);
        fs::create_directories(dir);
        song = dir / "song.mid";
        writeBytes(song, songBytes());
    }
    void TearDown() override { fs::remove_all(dir); }

    Outcome run(const std::vector<std::string>& arguments) const {
        std::string command = quoted(TARVOLIN_RENDER_EXECUTABLE);
        for (const std::string& argument : arguments) {
            command += " " + quoted(argument);
        }
        command += " >" + quoted(dir / "stdout") + " 2>" + quoted(dir / "stderr");
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, contents(dir / "stdout"),
                contents(dir / "stderr")};
    }

    std::string path(const char* name) const { return (dir / name).string(); }

    // One note from 1.0 s to 1.25 s at 120 bpm, with the cutoff controller before it.
    static std::vector<unsigned char> songBytes() {
        testing::SmfBuilder smf(0, 1, 480);
        smf.track().event(0, {0xB0, 40, 30}).event(960, {0x90, 57, 100}).event(240, {0x80, 57, 0});
        smf.endTrack();
        return smf.bytes();
    }
    static constexpr std::int64_t kNoteOn = kSampleRate;
    static constexpr std::int64_t kSongLength = kSampleRate * 5 / 4 + 1;

    fs::path dir;
    fs::path song;
};

TEST_F(RenderTool, TheDemoRendersThroughTheBuiltModule) {
    const Outcome floatRun = run({"--float", "-o", path("demo.wav")});
    ASSERT_EQ(floatRun.exitCode, 0) << floatRun.err;
    EXPECT_EQ(floatRun.err, "");
    EXPECT_NE(floatRun.out.find("demo.wav"), std::string::npos);
    const Wav demo = readWav(dir / "demo.wav");
    EXPECT_EQ(demo.format, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    expectWellFormed(demo, demoScore().lengthSamples);

    const Outcome pcmRun = run({"-o", path("demo16.wav")});
    ASSERT_EQ(pcmRun.exitCode, 0) << pcmRun.err;
    const Wav pcm = readWav(dir / "demo16.wav");
    EXPECT_EQ(pcm.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    ASSERT_EQ(pcm.left.size(), demo.left.size());
    for (std::size_t i = 0; i < pcm.left.size(); ++i) {
        ASSERT_NEAR(pcm.left[i], demo.left[i], 1.0f / 32768.0f) << i;
    }
}

TEST_F(RenderTool, NotesSoundFromTheirExactSampleWhateverTheBlockSize) {
    std::vector<Wav> renders;
    for (const char* blockSize : {"512", "100", "1"}) {
        const std::string output = path("song.wav");
        const Outcome result =
            run({"--float", "--block-size", blockSize, "-o", output, song.string()});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        renders.push_back(readWav(output));
    }
    for (const Wav& wav : renders) {
        EXPECT_EQ(firstSound(wav.left), kNoteOn);
        EXPECT_TRUE(wav.left == renders.front().left);
    }
    expectWellFormed(renders.front(), kSongLength);
}

TEST_F(RenderTool, OtherRatesKeepTimeAndPitch) {
    const auto middleOfTheNote = [](const Wav& wav) {
        const auto start = wav.left.begin() + wav.sampleRate * 21 / 20;
        return std::vector<float>(start, start + wav.sampleRate / 5);
    };
    ASSERT_EQ(run({"--float", "-o", path("44k.wav"), song.string()}).exitCode, 0);
    const Wav reference = readWav(dir / "44k.wav");
    const double expected =
        tarvolin::testing::pitch(middleOfTheNote(reference), reference.sampleRate);
    for (int rate : {8000, 96000}) {
        const std::string output = path("other.wav");
        const Outcome result =
            run({"--float", "--rate", std::to_string(rate), "-o", output, song.string()});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const Wav wav = readWav(output);
        EXPECT_EQ(wav.sampleRate, rate);
        EXPECT_EQ(firstSound(wav.left), rate); // the note starts at 1 s
        const double cents =
            1200.0 * std::log2(tarvolin::testing::pitch(middleOfTheNote(wav), rate) / expected);
        EXPECT_NEAR(cents, 0.0, 1.0) << rate;
    }
    EXPECT_NE(run({"--rate", "7999"}).exitCode, 0);
}

TEST_F(RenderTool, ControllerEventsReachTheInstrument) {
    testing::SmfBuilder withoutController(0, 1, 480);
    withoutController.track().event(960, {0x90, 57, 100}).event(240, {0x80, 57, 0}).endTrack();
    const fs::path open = dir / "open.mid";
    writeBytes(open, withoutController.bytes());
    ASSERT_EQ(run({"--float", "-o", path("open.wav"), open.string()}).exitCode, 0);
    ASSERT_EQ(run({"--float", "-o", path("dark.wav"), song.string()}).exitCode, 0);

    // Controller 40 turns the cutoff down from its default of 1.0.
    EXPECT_FALSE(readWav(dir / "open.wav").left == readWav(dir / "dark.wav").left);
}

TEST_F(RenderTool, ChunksCarryTheSettingsOfEachChannel) {
    const Outcome saved =
        run({"--float", "--set", "RESONANCE=0.5", "--set", "43=0.25", "--save-chunk",
             path("zero.chunk"), "-o", path("a.wav"), song.string()});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    const Outcome loaded =
        run({"--float", "--load-chunk", path("zero.chunk"), "-o", path("b.wav"), song.string()});
    ASSERT_EQ(loaded.exitCode, 0) << loaded.err;
    ASSERT_EQ(run({"--float", "-o", path("c.wav"), song.string()}).exitCode, 0);
    EXPECT_TRUE(readWav(dir / "a.wav").left == readWav(dir / "b.wav").left);
    EXPECT_FALSE(readWav(dir / "a.wav").left == readWav(dir / "c.wav").left);

    const Outcome other = run({"--channel", "2", "--set", "RESONANCE=0.5", "--save-chunk",
                               path("two.chunk"), "-o", path("d.wav"), song.string()});
    ASSERT_EQ(other.exitCode, 0) << other.err;

    const auto value = [](const std::string& chunk, int channel, int index) {
        float stored = 0.0f;
        std::memcpy(&stored, chunk.data() + 208 * channel + 4 * index, sizeof stored);
        return stored;
    };
    const std::string zero = contents(dir / "zero.chunk");
    const std::string two = contents(dir / "two.chunk");
    ASSERT_EQ(zero.size(), kChunkSize);
    ASSERT_EQ(two.size(), kChunkSize);
    EXPECT_EQ(value(zero, 0, 15), 0.5f);
    EXPECT_EQ(value(zero, 0, 43), 0.25f);
    EXPECT_EQ(value(two, 2, 15), 0.5f);
    EXPECT_EQ(value(two, 0, 15), 0.0f);
    // The channel selector is back on channel 0 and leaves no trace in the record.
    EXPECT_EQ(value(two, 0, 50), 0.0f);
    EXPECT_EQ(value(two, 2, 50), 0.0f);
}

TEST_F(RenderTool, BadInputGetsOneLineOnStandardErrorAndNoWav) {
    const fs::path corrupt = dir / "corrupt.mid";
    writeBytes(corrupt, {'M', 'T',  'h', 'd', 0,   0,   0, 6, 0, 0, 0, 1,
                         1,   0xE0, 'M', 'T', 'r', 'k', 0, 0, 0, 9, 0, 0x90});
    const fs::path shortChunk = dir / "short.chunk";
    writeBytes(shortChunk, std::vector<unsigned char>(100));
    const struct {
        std::vector<std::string> arguments;
        const char* message;
    } cases[] = {
        {{path("missing.mid")}, "cannot read"},
        {{corrupt.string()}, "corrupt.mid: track 1"},
        {{"--load-chunk", shortChunk.string()},
         "holds 100 bytes, but a Tarvolin chunk is exactly 4372"},
        {{"--load-chunk", path("missing.chunk")}, "cannot read"},
        {{"--module", path("missing.so")}, "cannot load module"},
        {{"--module", TARVOLIN_NO_ENTRY_MODULE}, "no VST entry point"},
        {{"--set", "CUTOF=0.3"}, "no parameter named \"CUTOF\""},
        {{"--set", "Param=0.3"}, "give the index instead"},
        {{"--set", "kChannel=0.3"}, "--channel"},
        {{"--set", "CUTOFF=-0.1"}, "a value from 0 to 1"},
        {{"--block-size", "0"}, "--block-size needs"},
        {{"--program", "5"}, "the module has 5 programs"},
        {{"-o", path("no/such/dir/out.wav")}, "cannot write"},
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.message);
        std::vector<std::string> arguments{"-o", path("out.wav")};
        arguments.insert(arguments.end(), bad.arguments.begin(), bad.arguments.end());
        const Outcome result = run(arguments);
        EXPECT_NE(result.exitCode, 0);
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_EQ(result.err.back(), '\n');
        EXPECT_NE(result.err.find(bad.message), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(dir / "out.wav"));
    }
}

TEST_F(RenderTool, TheEditorsPictureShowsTheSettingsTheClicksAndTheAboutView) {
    const Outcome result = run({"--editor-png", path("editor.png"), "--channel", "4", "--set",
                                "LOWCUT=0", "--editor-click", "222,26", "--about"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "tarvolin-render: wrote " + path("editor.png") + "\n");
    const auto picture = readPng(dir / "editor.png");
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width(), 676);
    EXPECT_EQ(picture->height(), 345);
    EXPECT_EQ(tarvolin::testing::imageOf(*picture, 43), 0);
    EXPECT_EQ(tarvolin::testing::imageOf(*picture, 22), 1);
    EXPECT_EQ(tarvolin::testing::pixelsDiffering(*picture, {136, 40, 536, 307},
                                                 tarvolin::testing::committedPicture(137), {0, 0}),
              0);

    // The picture the README shows is the one scripts/run.sh makes.
    ASSERT_EQ(run({"--editor-png", path("defaults.png")}).exitCode, 0);
    const auto committed = readPng(TARVOLIN_README_PICTURE);
    ASSERT_TRUE(committed.has_value());
    EXPECT_EQ(readPng(dir / "defaults.png"), committed);

    const Outcome outside = run({"--editor-png", path("e.png"), "--editor-click", "676,10"});
    EXPECT_NE(outside.exitCode, 0);
    EXPECT_NE(outside.err.find("lies outside the 676 by 345 editor"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "e.png"));
    // The Linux module's editor opens only in an X window, never in the
    // headless one; without a server it says so by opening nothing.
    unsetenv("DISPLAY");
    const Outcome noEditor =
        run({"--editor-png", path("e.png"), "--editor-module", TARVOLIN_MODULE});
    EXPECT_NE(noEditor.err.find("did not open its editor"), std::string::npos) << noEditor.err;
}

// At scale 2 the clicks are in the picture's doubled pixels, and the picture
// is the one the README shows beside the other.
TEST_F(RenderTool, AtScale2ThePictureIsTwiceTheSizeAndShowsTheSameState) {
    const Outcome result = run({"--editor-png", path("editor.png"), "--editor-scale", "2",
                                "--editor-click", "445,53", "--about"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto picture = readPng(dir / "editor.png");
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width(), 1352);
    EXPECT_EQ(picture->height(), 690);
    EXPECT_EQ(tarvolin::testing::imageOf(*picture, 22, 2), 1);
    EXPECT_EQ(tarvolin::testing::pixelsDiffering(*picture, {272, 80, 1072, 614},
                                                 tarvolin::testing::committedPicture(137, 2),
                                                 {0, 0}),
              0);

    ASSERT_EQ(run({"--editor-png", path("defaults.png"), "--editor-scale", "2"}).exitCode, 0);
    const auto committed = readPng(TARVOLIN_README_PICTURE_2X);
    ASSERT_TRUE(committed.has_value());
    EXPECT_EQ(readPng(dir / "defaults.png"), committed);
}

TEST_F(RenderTool, HelpDescribesTheOptions) {
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.err, "");
    for (const char* option :
         {"--output", "--module", "--block-size", "--float", "--program", "--load-chunk",
          "--save-chunk", "--set", "--channel", "--max-tail", "--editor-png", "--editor-click",
          "--editor-scale", "--about", "--editor-module"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
}

} // namespace
} // namespace tarvolin::render
