#include "WavWriter.h"

#include "RenderError.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <sndfile.h>
#include <string>

namespace tarvolin::render {

WavWriter::WavWriter(const std::filesystem::path& path, SampleFormat format, int sampleRate)
    : path(path) {
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 2;
    info.format =
        SF_FORMAT_WAV | (format == SampleFormat::Float32 ? SF_FORMAT_FLOAT : SF_FORMAT_PCM_16);
    errno = 0;
    file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        // The library words system errors awkwardly; the system's own words read better.
        const std::string reason = errno != 0 ? std::strerror(errno) : sf_strerror(nullptr);
        throw RenderError("cannot write " + path.string() + ": " + reason);
    }
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
}

WavWriter::~WavWriter() {
    if (file != nullptr) {
        sf_close(file);
    }
}

void WavWriter::write(std::span<const float> left, std::span<const float> right) {
    interleaved.resize(left.size() * 2);
    for (std::size_t i = 0; i < left.size(); ++i) {
        interleaved[2 * i] = left[i];
        interleaved[2 * i + 1] = right[i];
        largest = std::max({largest, std::fabs(left[i]), std::fabs(right[i])});
    }
    const auto frames = static_cast<sf_count_t>(left.size());
    if (sf_writef_float(file, interleaved.data(), frames) != frames) {
        throw RenderError("cannot write " + path.string() + ": " + sf_strerror(file));
    }
}

void WavWriter::close() {
    const int result = sf_close(file);
    file = nullptr;
    if (result != 0) {
        throw RenderError("cannot finish " + path.string() + ": " + sf_error_number(result));
    }
}

} // namespace tarvolin::render
