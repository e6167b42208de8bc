#include "instrument/RenderLoop.h"

#include "engine/DenormalGuard.h"
#include "engine/SynthEngine.h"

#include <algorithm>

namespace tarvolin {

namespace {

constexpr int kQueueCapacity = 500;

} // namespace

RenderLoop::RenderLoop(SynthEngine& engine, ParameterStore& parameters)
    : engine(engine), queue(kQueueCapacity), input(engine, parameters) {}

void RenderLoop::render(float* output, int frames) {
    if (frames <= 0) {
        return;
    }
    const DenormalGuard denormalGuard;
    engine.beginBlock();
    for (int done = 0; done < frames;) {
        dispatchDueEvents();
        const int stretch = std::min(frames - done, queue.samplesUntilDue());
        queue.wait(stretch);
        if (output != nullptr) {
            engine.render(output + done, stretch);
        } else {
            discardStretch(stretch);
        }
        done += stretch;
    }
}

void RenderLoop::discardStretch(int frames) {
    float scratch[64];
    for (int done = 0; done < frames; done += 64) {
        engine.render(scratch, std::min(64, frames - done));
    }
}

void RenderLoop::dispatchDueEvents() {
    while (queue.samplesUntilDue() == 0) {
        MidiEvent event;
        queue.pop(event);
        input.handle(event);
    }
}

} // namespace tarvolin
