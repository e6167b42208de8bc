#pragma once

#include <atomic>
#include <cstdio>

namespace tarvolin {

class SynthEngine;

// Writes every channel's sound settings as a C byte array into
// "tuneByteDataNew.txt", ready to be compiled into a small music player.
// Switched on, it opens the file and writes the array head and one record
// per non-zero value; switched off, the end record and the array end.
class TuneExport {
public:
    TuneExport() = default;
    // An export still open is finished, so no array is left unterminated.
    ~TuneExport();
    TuneExport(const TuneExport&) = delete;
    TuneExport& operator=(const TuneExport&) = delete;

    // Runs the switch with a parameter value: rounded, 1 is on and 0 is off.
    void setSwitch(float value, const SynthEngine& engine);
    // Read on the user-interface thread while another thread may switch it.
    int state() const { return tuneState.load(std::memory_order_relaxed); }

private:
    void start(const SynthEngine& engine);
    void finish();

    std::FILE* tuneFile = nullptr;
    std::atomic<int> tuneState{0};
};

} // namespace tarvolin
