#include "instrument/TuneExport.h"

#include "engine/EngineMath.h"
#include "engine/SynthEngine.h"

namespace tarvolin {

namespace {

constexpr const char* kFileName = "tuneByteDataNew.txt";
// Lines end in CR LF on every platform, so an export reads the same everywhere.
constexpr const char* kHead = "\r\nconst unsigned char tuneData[] = {\r\n";
constexpr int kEndChannel = 99;

} // namespace

TuneExport::~TuneExport() {
    finish();
}

void TuneExport::setSwitch(float value, const SynthEngine& engine) {
    const int requested = roundToInt(value);
    const int previous = state();
    if (previous != 1 && requested == 1) {
        start(engine);
    } else if (previous == 1 && requested == 0) {
        finish();
    }
    tuneState.store(requested, std::memory_order_relaxed);
}

void TuneExport::start(const SynthEngine& engine) {
    tuneFile = std::fopen(kFileName, "ab");
    if (tuneFile == nullptr) {
        return;
    }
    std::fputs(kHead, tuneFile);
    for (int c = 0; c < kNumChannels; ++c) {
        for (int i = 0; i < kNumParameters; ++i) {
            const float x = engine.parameter(c, i);
            if (x != 0.0f) {
                std::fprintf(tuneFile, "%d,%d,%d,%d,%d,\r\n", 0, 0, c, i,
                             roundToInt(static_cast<double>(x) * 127.0));
            }
        }
    }
    // The file stays open until the switch goes off; what is written so far
    // should survive a host that never gets there.
    std::fflush(tuneFile);
}

void TuneExport::finish() {
    if (tuneFile == nullptr) {
        return;
    }
    std::fprintf(tuneFile, "%d,%d,%d,%d,%d};", 0, 0, kEndChannel, 0, 0);
    std::fclose(tuneFile);
    tuneFile = nullptr;
}

} // namespace tarvolin
