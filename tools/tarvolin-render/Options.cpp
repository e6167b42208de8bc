#include "Options.h"

#include "ChunkFile.h"
#include "RenderError.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <functional>

namespace tarvolin::render {

namespace {

constexpr int kLargestBlock = 65536;
// The rates the instrument runs at.
constexpr int kLowestRate = 8000;
constexpr int kHighestRate = 192000;
constexpr int kChannels = 16;
constexpr double kLongestTailSeconds = 3600.0;
constexpr int kMostRuns = 1000;
constexpr int kLargestCoordinate = 32767;

[[noreturn]] void refuse(std::string_view option, const std::string& need, std::string_view text) {
    throw RenderError(std::string(option) + " needs " + need + ", not \"" + std::string(text) +
                      "\"");
}

BenchPattern benchPatternNamed(std::string_view text) {
    if (text == "phrase") {
        return BenchPattern::Phrase;
    }
    if (text == "idle") {
        return BenchPattern::Idle;
    }
    if (text == "tail") {
        return BenchPattern::Tail;
    }
    refuse("--pattern", "phrase, idle or tail", text);
}

template <typename Number> bool parseWhole(std::string_view text, Number& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

int wholeNumber(std::string_view option, std::string_view text, int low, int high) {
    int value = 0;
    if (!parseWhole(text, value) || value < low || value > high) {
        refuse(option,
               high == INT_MAX
                   ? "a whole number of at least " + std::to_string(low)
                   : "a whole number from " + std::to_string(low) + " to " + std::to_string(high),
               text);
    }
    return value;
}

double realNumber(std::string_view option, std::string_view text, double low, double high,
                  const std::string& need) {
    double value = 0.0;
    if (!parseWhole(text, value) || !std::isfinite(value) || value < low || value > high) {
        refuse(option, need, text);
    }
    return value;
}

std::filesystem::path fileName(std::string_view option, std::string_view text) {
    if (text.empty()) {
        refuse(option, "a file name", text);
    }
    return std::filesystem::path(text);
}

ParameterSetting parameterSetting(std::string_view text) {
    const auto equals = text.find('=');
    if (equals == std::string_view::npos || equals == 0) {
        refuse("--set", "NAME=VALUE or INDEX=VALUE", text);
    }
    const std::string key(text.substr(0, equals));
    const double value =
        realNumber("--set " + key, text.substr(equals + 1), 0.0, 1.0, "a value from 0 to 1");
    return {key, static_cast<float>(value)};
}

EditorClick editorClick(std::string_view text) {
    const auto comma = text.find(',');
    EditorClick click{-1, -1};
    if (comma == std::string_view::npos || !parseWhole(text.substr(0, comma), click.x) ||
        !parseWhole(text.substr(comma + 1), click.y) || click.x < 0 || click.y < 0 ||
        click.x > kLargestCoordinate || click.y > kLargestCoordinate) {
        refuse("--editor-click", "X,Y in the editor's pixels", text);
    }
    return click;
}

using ValueSource = std::function<std::string_view()>;

// Answers false for a name that is not an option.
bool applyOption(Options& options, std::string_view name, const ValueSource& value) {
    if (name == "-o" || name == "--output") {
        options.output = fileName(name, value());
    } else if (name == "--module") {
        options.module = fileName(name, value());
    } else if (name == "--block-size") {
        options.blockSize = wholeNumber(name, value(), 1, kLargestBlock);
    } else if (name == "--rate") {
        options.sampleRate = wholeNumber(name, value(), kLowestRate, kHighestRate);
    } else if (name == "--program") {
        options.program = wholeNumber(name, value(), 0, INT_MAX);
    } else if (name == "--load-chunk") {
        options.loadChunk = fileName(name, value());
    } else if (name == "--save-chunk") {
        options.saveChunk = fileName(name, value());
    } else if (name == "--set") {
        options.settings.push_back(parameterSetting(value()));
    } else if (name == "--channel") {
        options.channel = wholeNumber(name, value(), 0, kChannels - 1);
    } else if (name == "--against") {
        options.against = fileName(name, value());
        options.bench = true;
    } else if (name == "--runs") {
        options.benchRuns = wholeNumber(name, value(), 1, kMostRuns);
    } else if (name == "--pattern") {
        options.benchPattern = benchPatternNamed(value());
    } else if (name == "--editor-png") {
        options.editorPicture = fileName(name, value());
    } else if (name == "--editor-module") {
        options.editorModule = fileName(name, value());
    } else if (name == "--editor-click") {
        options.editorClicks.push_back(editorClick(value()));
    } else if (name == "--editor-scale") {
        options.editorScale = wholeNumber(name, value(), 1, 2);
    } else if (name == "--max-tail") {
        options.maxTailSeconds = realNumber(name, value(), 0.0, kLongestTailSeconds,
                                            "a number of seconds from 0 to 3600");
    } else {
        return false;
    }
    return true;
}

void addMidiFile(Options& options, std::string_view text) {
    if (options.midiFile) {
        throw RenderError("give one MIDI file at most, not both " + options.midiFile->string() +
                          " and " + std::string(text));
    }
    options.midiFile = std::filesystem::path(text);
}

void checkEditorOptions(Options& options) {
    if (!options.editorPicture) {
        if (!options.editorClicks.empty() || options.openAbout || options.editorScale) {
            throw RenderError("--editor-click, --editor-scale and --about act on the editor's "
                              "picture; give --editor-png FILE too");
        }
        return;
    }
    if (options.editorModule.empty()) {
        throw RenderError("no module to photograph the editor with: give one with "
                          "--editor-module PATH");
    }
    options.renderAudio = options.midiFile.has_value() || !options.output.empty();
    if (!options.renderAudio && options.saveChunk) {
        throw RenderError("--save-chunk stores the state after playing; give --output or a MIDI "
                          "file too");
    }
}

void chooseOutput(Options& options) {
    if (options.output.empty()) {
        options.output = options.midiFile
                             ? std::filesystem::path(*options.midiFile).replace_extension(".wav")
                             : std::filesystem::path("tarvolin-demo.wav");
    }
    if (options.midiFile &&
        options.output.lexically_normal() == options.midiFile->lexically_normal()) {
        throw RenderError("the WAV file would overwrite the MIDI file " +
                          options.midiFile->string() + "; choose another with --output");
    }
}

} // namespace

Options parseOptions(std::span<const std::string_view> arguments,
                     const std::filesystem::path& defaultModule,
                     const std::filesystem::path& defaultEditorModule) {
    Options options;
    options.module = defaultModule;
    options.editorModule = defaultEditorModule;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (onlyFiles || argument.size() < 2 || argument.front() != '-') {
            addMidiFile(options, argument);
            continue;
        }
        if (argument == "--") {
            onlyFiles = true;
            continue;
        }
        const auto equals = argument.starts_with("--") ? argument.find('=') : argument.npos;
        const std::string_view name = argument.substr(0, equals);
        const bool hasInlineValue = equals != argument.npos;
        if (name == "-h" || name == "--help" || name == "--float" || name == "--bench" ||
            name == "--about") {
            if (hasInlineValue) {
                throw RenderError(std::string(name) + " takes no value");
            }
            if (name == "--float") {
                options.format = SampleFormat::Float32;
                continue;
            }
            if (name == "--bench") {
                options.bench = true;
                continue;
            }
            if (name == "--about") {
                options.openAbout = true;
                continue;
            }
            options.help = true;
            return options;
        }
        const ValueSource value = [&]() -> std::string_view {
            if (hasInlineValue) {
                return argument.substr(equals + 1);
            }
            if (i + 1 == arguments.size()) {
                throw RenderError(std::string(name) + " needs a value");
            }
            return arguments[++i];
        };
        if (!applyOption(options, name, value)) {
            throw RenderError("unknown option " + std::string(name) + " (see --help)");
        }
    }
    if (options.module.empty()) {
        throw RenderError("no module to load: give one with --module PATH");
    }
    checkEditorOptions(options);
    if (options.renderAudio) {
        chooseOutput(options);
    }
    return options;
}

std::string usageText(const std::filesystem::path& defaultModule,
                      const std::filesystem::path& defaultEditorModule) {
    const std::string module =
        defaultModule.empty() ? "required" : "default " + defaultModule.string();
    const std::string editorModule = defaultEditorModule.empty()
                                         ? "required for --editor-png"
                                         : "default " + defaultEditorModule.string();
    return "Usage: tarvolin-render [options] [file.mid]\n"
           "\n"
           "Plays a Standard MIDI File (format 0 or 1), or without one a built-in demo\n"
           "tune, through the Tarvolin plug-in module and writes a stereo WAV file.\n"
           "The instrument sounds MIDI channel 1 only.\n"
           "\n"
           "Options:\n"
           "  -o, --output FILE       WAV file to write (default: the MIDI file's name\n"
           "                          with .wav, or tarvolin-demo.wav for the demo)\n"
           "      --module PATH       plug-in module to load (" +
           module +
           ")\n"
           "      --rate HZ           sample rate, 8000 to 192000 (default 44100)\n"
           "      --block-size N      frames per processing block, 1 to 65536 (default 512)\n"
           "      --float             write 32-bit float samples instead of 16-bit PCM\n"
           "      --program N         select program N before playing\n"
           "      --load-chunk FILE   restore the instrument's state from a " +
           std::to_string(kChunkSize) +
           "-byte chunk\n"
           "      --save-chunk FILE   store the instrument's state after rendering\n"
           "      --set NAME=VALUE    set a parameter, by name or index, to a value from\n"
           "      --set INDEX=VALUE   0 to 1 before playing; may be repeated\n"
           "      --channel C         channel 0 to 15 whose parameters --set changes\n"
           "                          (default 0, the one that sounds)\n"
           "      --max-tail SECONDS  longest release tail after the last event (default 10)\n"
           "      --bench             time the module instead: nanoseconds of CPU time per\n"
           "                          sample in processEvents and processReplacing, the\n"
           "                          median of several fresh instances; writes no WAV\n"
           "      --against PATH      time a second module in turns and print the ratio\n"
           "                          (implies --bench; it plays its own default sound)\n"
           "      --runs N            timed runs per module (default 7)\n"
           "      --pattern NAME      without a MIDI file, what --bench plays: phrase (a\n"
           "                          bass line, default), idle (no notes) or tail (one\n"
           "                          short note and its release)\n"
           "      --editor-png FILE   also write a picture of the editor, showing the\n"
           "                          settings and the channel chosen with --channel\n"
           "      --editor-click X,Y  click the editor there before the picture (pixels from\n"
           "                          its top-left corner); may be repeated\n"
           "      --editor-scale S    draw the editor at scale 1 (676 by 345) or 2, for\n"
           "                          screens of high density (default: as the module\n"
           "                          chooses, which TARVOLIN_EDITOR_SCALE may tell it)\n"
           "      --about             open the about picture before the picture is taken\n"
           "      --editor-module PATH  module whose editor opens in a headless window, for\n"
           "                          the picture (" +
           editorModule +
           ")\n"
           "  -h, --help              show this text and exit\n"
           "\n"
           "Settings apply in this order: program, chunk, --set. The demo brings its own\n"
           "sound; --set changes what the demo leaves alone, such as VOLUME or MASTERPITCH.\n"
           "With --editor-png and neither a MIDI file nor --output, only the picture is made.\n";
}

} // namespace tarvolin::render
