#include "Phrase.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarvolin::testing {

namespace {

constexpr unsigned char kNoteOn = 0x90;
constexpr unsigned char kNoteOff = 0x80;
constexpr unsigned char kController = 0xB0;

} // namespace

const std::vector<std::pair<int, float>>& phrasePatch() {
    static const std::vector<std::pair<int, float>> patch = {
        {6, 1.0f},  {11, 0.66f}, {13, 0.3f}, {14, 0.45f}, {15, 0.6f}, {18, 0.5f},
        {19, 0.8f}, {21, 0.5f},  {28, 0.2f}, {29, 0.6f},  {30, 0.5f}, {31, 0.4f},
        {33, 0.4f}, {34, 0.1f},  {35, 0.5f}, {44, 0.5f},  {7, 0.3f},  {43, 0.9f}};
    return patch;
}

void setUpPhrasePatch(const host::PluginInstance& plugin) {
    for (const auto& [index, value] : phrasePatch()) {
        plugin.setParameter(index, value);
    }
}

const std::vector<TimedEvent>& phraseEvents() {
    using host::midiEvent;
    static const std::vector<TimedEvent> events = [] {
        std::vector<TimedEvent> list = {
            {0, midiEvent(0, kNoteOn, 57, 100)},
            {3001, midiEvent(0, kNoteOn, 64, 100)}, // legato: glides
            {3001, midiEvent(0, kNoteOff, 57, 0)},
            {9000, midiEvent(0, kNoteOff, 64, 0)},
            {9001, midiEvent(0, kNoteOn, 69, 90)},
            {14111, midiEvent(0, kNoteOn, 45, 90)},
            {20000, midiEvent(0, kNoteOff, 45, 0)},
        };
        for (int step = 0; step < 40; ++step) {
            const auto value = static_cast<unsigned char>(20 + 2 * step);
            list.push_back({1000 + step * 301, midiEvent(0, kController, 40, value)});
            list.push_back({1150 + step * 299, midiEvent(0, kController, 42, 127 - value)});
        }
        std::stable_sort(list.begin(), list.end(), [](const TimedEvent& a, const TimedEvent& b) {
            return a.sample < b.sample;
        });
        return list;
    }();
    return events;
}

std::vector<float> renderPhrase(const host::PluginInstance& plugin, int blockSize) {
    std::vector<float> left(kPhraseLength);
    std::vector<float> right(kPhraseLength);
    const auto& events = phraseEvents();
    std::size_t next = 0;
    for (int start = 0; start < kPhraseLength; start += blockSize) {
        const int frames = std::min(blockSize, kPhraseLength - start);
        std::vector<VstMidiEvent> due;
        for (; next < events.size() && events[next].sample < start + frames; ++next) {
            VstMidiEvent event = events[next].event;
            event.deltaFrames = events[next].sample - start;
            due.push_back(event);
        }
        if (!due.empty()) {
            plugin.sendEvents(due);
        }
        plugin.processReplacing(std::span(left).subspan(start, frames),
                                std::span(right).subspan(start, frames));
    }
    EXPECT_EQ(left, right);
    return left;
}

} // namespace tarvolin::testing
