#pragma once

#include "BenchPattern.h"
#include "Score.h"
#include "WavWriter.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin::render {

// A --set request: the parameter as typed (name or index) and a value from 0 to 1.
struct ParameterSetting {
    std::string key;
    float value;
};

struct Options {
    bool help = false;
    std::optional<std::filesystem::path> midiFile; // none: the demo tune
    std::filesystem::path output;
    std::filesystem::path module;
    int blockSize = 512;
    int sampleRate = kSampleRate;
    SampleFormat format = SampleFormat::Pcm16;
    std::optional<int> program;
    std::optional<std::filesystem::path> loadChunk;
    std::optional<std::filesystem::path> saveChunk;
    std::vector<ParameterSetting> settings;
    int channel = 0;
    double maxTailSeconds = 10.0;
    // --bench: time the module instead of writing a WAV file.
    bool bench = false;
    std::optional<std::filesystem::path> against; // a second module, in turns
    int benchRuns = 7;
    BenchPattern benchPattern = BenchPattern::Phrase;
};

// Reads the arguments after the program name. Anything unacceptable throws a
// RenderError naming the option. Empty defaultModule: --module is required.
Options parseOptions(std::span<const std::string_view> arguments,
                     const std::filesystem::path& defaultModule);

std::string usageText(const std::filesystem::path& defaultModule);

} // namespace tarvolin::render
