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

// A click on the editor, in its window's pixels from the top-left corner
// (at scale 2, twice the editor's logical coordinates).
struct EditorClick {
    int x;
    int y;
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
    // The editor's picture, taken through a module whose editor opens in a
    // headless window, after the clicks and optionally with the about view open.
    std::filesystem::path editorModule;
    std::optional<std::filesystem::path> editorPicture;
    std::vector<EditorClick> editorClicks;
    bool openAbout = false;
    // The editor's scale (1 or 2); none: whatever the module chooses.
    std::optional<int> editorScale;
    // False when the editor's picture is all that was asked for.
    bool renderAudio = true;
};

// Reads the arguments after the program name. Anything unacceptable throws a
// RenderError naming the option. Empty defaultModule: --module is required;
// empty defaultEditorModule: --editor-png needs --editor-module.
Options parseOptions(std::span<const std::string_view> arguments,
                     const std::filesystem::path& defaultModule,
                     const std::filesystem::path& defaultEditorModule = {});

std::string usageText(const std::filesystem::path& defaultModule,
                      const std::filesystem::path& defaultEditorModule = {});

} // namespace tarvolin::render
