#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

struct sf_private_tag;

namespace tarvolin::render {

enum class SampleFormat { Pcm16, Float32 };

// A stereo WAV file written as the audio arrives. 16-bit output is clipped at
// full scale rather than left to wrap around.
class WavWriter {
public:
    WavWriter(const std::filesystem::path& path, SampleFormat format, int sampleRate);
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    void write(std::span<const float> left, std::span<const float> right);
    // The largest magnitude written so far, before any clipping.
    float peak() const { return largest; }
    // Completes the header; errors that only show now are thrown from here.
    void close();

private:
    std::filesystem::path path;
    sf_private_tag* file = nullptr;
    std::vector<float> interleaved;
    float largest = 0.0f;
};

} // namespace tarvolin::render
