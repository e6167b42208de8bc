#include "instrument/Instrument.h"

#include "engine/EngineMath.h"
#include "engine/RateCoefficients.h"
#include "engine/SynthEngine.h"
#include "instrument/ParameterDisplay.h"

namespace tarvolin {

Instrument::Instrument(float sampleRate)
    : engine(std::make_unique<SynthEngine>(sampleRate)), parameters(*engine),
      programBank(parameters), renderLoop(*engine, parameters) {}

Instrument::~Instrument() = default;

float Instrument::value(int index) const {
    return parameters.value(parameters.currentChannel(), index);
}

void Instrument::setValue(int index, float value) {
    parameters.store(parameters.currentChannel(), index, value);
    if (index == kChannel) {
        selectChannel(value);
    } else if (index == kSaveData) {
        tuneExport.setSwitch(value, *engine);
    }
}

void Instrument::selectChannel(float value) {
    parameters.selectChannel(channelFor(value));
}

DisplayText Instrument::displayText(int index) const {
    return tarvolin::displayText(parameters, tuneExport.state(), index);
}

std::span<const std::byte> Instrument::state() const {
    return std::as_bytes(std::span(&programBank.currentRecord(), 1));
}

void Instrument::chokeNote(int channel, int key) {
    if (channel < 0 || channel >= kNumChannels) {
        return;
    }
    if (key < 0 || engine->channel(channel).note == static_cast<float>(key)) {
        engine->allSoundOff(channel);
    }
}

void Instrument::reset() {
    renderLoop.events().clear();
    engine->resetVoices();
}

bool Instrument::isIdle() const {
    return engine->isIdle();
}

float Instrument::tailSamples() const {
    return engine->releaseSamplesLeft();
}

bool Instrument::setSampleRate(float rate) {
    if (!RateCoefficients::isAcceptable(rate)) {
        return false;
    }
    engine->setSampleRate(rate);
    return true;
}

} // namespace tarvolin
