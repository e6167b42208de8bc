#pragma once

namespace tarvolin {

// A channel's pitch wheel and the range it spans. A keyboard sets the range
// through registered parameter 0: it selects the parameter number, then sends
// data entry. All of it belongs to the performance, not to the sound setting:
// programs and chunks neither store nor restore it.
class PitchBend {
public:
    static constexpr int kCentre = 8192;
    static constexpr int kHighest = 16383;
    // Ranges in semitones.
    static constexpr int kDefaultRange = 2;
    static constexpr int kWidestRange = 24;

    // A 14-bit wheel position; anything outside 0..16383 counts as the nearer end.
    void setWheel(int position) noexcept;

    // The halves of the registered parameter number (7 bits each). The null
    // number, both halves 127, deselects.
    void selectCoarse(int value) noexcept;
    void selectFine(int value) noexcept;
    void deselect() noexcept { selected_ = kNullParameter; }
    // The halves of data entry: the range's whole semitones and its cents,
    // while registered parameter 0 is selected. Ranges beyond 24 semitones
    // are held at 24.
    void enterCoarse(int value) noexcept;
    void enterFine(int value) noexcept;

    // The wheel at the centre, the range back to 2 semitones, nothing selected.
    void reset() noexcept { *this = PitchBend{}; }

    // What the wheel adds to the pitch, in semitones: exactly 0 at the centre.
    float semitones() const noexcept { return semitones_; }

private:
    static constexpr int kBendRange = 0;
    static constexpr int kNullParameter = 16383;

    // The range either way, in cents.
    int rangeCents() const noexcept;
    void update() noexcept;

    int wheel_ = kCentre;
    int selected_ = kNullParameter;
    int rangeSemitones_ = kDefaultRange;
    int rangeExtraCents_ = 0;
    float semitones_ = 0.0f;
};

} // namespace tarvolin
