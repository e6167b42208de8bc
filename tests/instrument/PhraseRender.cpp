// Renders one fixed phrase through the built module and writes it as raw
// 32-bit floats, or compares it with such a file from another build of the
// module: the Windows DLL under Wine and the Linux module must sound alike.

#include "TestHost.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

using tarvolin::host::midiEvent;

constexpr int kBlockSize = 256;
constexpr int kBlocks = 200;
// Both builds compute in single-precision SSE; only the C libraries' sine,
// cosine and power functions may differ, by an ulp or so.
constexpr float kTolerance = 1e-3f;

std::vector<float> renderPhrase() {
    tarvolin::testing::TestHost test;
    const auto& plugin = test.plugin;
    plugin.dispatch(effMainsChanged, 0, 1);
    plugin.setParameter(6, 1.0f);  // oscillator 1 rectangle
    plugin.setParameter(11, 0.7f); // oscillator 2 saw
    plugin.setParameter(10, 0.56f);
    plugin.setParameter(13, 0.3f);
    plugin.setParameter(15, 0.6f);
    plugin.setParameter(18, 0.4f);
    plugin.setParameter(19, 0.8f);
    plugin.setParameter(21, 0.5f);
    plugin.setParameter(33, 0.4f);
    plugin.setParameter(35, 0.3f);
    plugin.setParameter(44, 0.7f);
    std::vector<float> phrase;
    for (int block = 0; block < kBlocks; ++block) {
        std::vector<VstMidiEvent> events;
        if (block % 40 == 0) {
            events.push_back(midiEvent(17, 0x90, static_cast<unsigned char>(48 + block / 10), 100));
        }
        if (block % 40 == 30) {
            events.push_back(midiEvent(3, 0x90, static_cast<unsigned char>(55 + block / 10), 100));
            events.push_back(
                midiEvent(200, 0x80, static_cast<unsigned char>(48 + (block - 30) / 10), 0));
        }
        if (block % 40 == 38) {
            events.push_back(
                midiEvent(0, 0x80, static_cast<unsigned char>(55 + (block - 8) / 10), 0));
        }
        events.push_back(
            midiEvent(100, 0xB0, 40, static_cast<unsigned char>(20 + (block * 3) % 100)));
        plugin.sendEvents(events);
        const auto rendered = test.render(kBlockSize);
        phrase.insert(phrase.end(), rendered.left.begin(), rendered.left.end());
    }
    return phrase;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 ||
        (std::strcmp(argv[1], "--write") != 0 && std::strcmp(argv[1], "--compare") != 0)) {
        std::fprintf(stderr, "usage: %s --write FILE | --compare FILE\n", argv[0]);
        return 2;
    }
    const std::vector<float> phrase = renderPhrase();
    if (std::strcmp(argv[1], "--write") == 0) {
        std::ofstream out(argv[2], std::ios::binary);
        out.write(reinterpret_cast<const char*>(phrase.data()),
                  static_cast<std::streamsize>(phrase.size() * sizeof(float)));
        return out ? 0 : 1;
    }
    std::vector<float> other(phrase.size());
    std::ifstream in(argv[2], std::ios::binary);
    in.read(reinterpret_cast<char*>(other.data()),
            static_cast<std::streamsize>(other.size() * sizeof(float)));
    if (in.gcount() != static_cast<std::streamsize>(other.size() * sizeof(float))) {
        std::fprintf(stderr, "%s does not hold a whole phrase\n", argv[2]);
        return 1;
    }
    float largest = 0.0f;
    float peak = 0.0f;
    for (std::size_t i = 0; i < phrase.size(); ++i) {
        largest = std::fmax(largest, std::fabs(phrase[i] - other[i]));
        peak = std::fmax(peak, std::fabs(phrase[i]));
    }
    std::printf("phrase of %zu samples, peak %.6f: largest sample difference %.9g\n", phrase.size(),
                static_cast<double>(peak), static_cast<double>(largest));
    return largest <= kTolerance && peak > 0.1f ? 0 : 1;
}
