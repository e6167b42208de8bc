#pragma once

#include "clap/ClapHost.h"
#include "clap/EditQueue.h"
#include "clap/abi/Plugin.h"
#include "clap/abi/Process.h"
#include "instrument/EditController.h"
#include "instrument/Instrument.h"
#include "instrument/InstrumentListener.h"

#include <atomic>
#include <cstdint>
#include <memory>

namespace tarvolin::clap {

class ClapEditor;

// The instrument as a CLAP plug-in: the plug-in record the host drives, with
// events applied at their own sample, the editor's edits told to the host as
// gestures, and every piece of main-thread work that the audio side asks for
// deferred through the host's callback.
class ClapPlugin final : public EditController, private InstrumentListener {
public:
    // Makes no host call: the host is still creating the plug-in.
    explicit ClapPlugin(const clap_host_t* host);
    ~ClapPlugin();
    ClapPlugin(const ClapPlugin&) = delete;
    ClapPlugin& operator=(const ClapPlugin&) = delete;

    const clap_plugin_t* record() const { return &plugin; }
    // The plug-in behind a record the host hands back; null for none.
    static ClapPlugin* from(const clap_plugin_t* plugin);

    Instrument& instrument() { return synth; }
    const ClapHost& host() const { return clapHost; }
    bool isActive() const { return active; }

    // Parameter events of the host, in process or flush, and the editor's
    // edits going out to the host after them.
    void applyEvent(const clap_event_header_t& event);
    void sendEdits(const clap_output_events_t* out);
    // The release still to sound, in samples, as the audio thread last saw it.
    std::uint32_t tail() const { return tailLength.load(std::memory_order_relaxed); }

    // Main thread: the editor while the gui extension has one.
    std::unique_ptr<ClapEditor>& editor() { return editorWindow; }
    // Main thread: whether a value was stored since the editor last asked,
    // on any thread.
    bool takeEditorUpdate() { return editorUpdate.exchange(false, std::memory_order_relaxed); }

    void beginEdit(int index) override;
    void setEditedValue(int index, float value) override;
    void endEdit(int index) override;
    float editedValue(int index) const override { return synth.value(index); }

private:
    bool init();
    bool activate(double sampleRate);
    void deactivate();
    clap_process_status process(const clap_process_t& process);
    void renderStretch(float* const* channels, std::uint32_t channelCount, std::uint32_t start,
                       std::uint32_t frames);
    void applyParameter(std::uint32_t id, double value);
    void playNote(const clap_event_header_t& event);
    void onMainThread();

    void valueStored(int channel, int index, float value) override;
    void channelSelected(int channel) override;

    static const clap_plugin_t kRecordTemplate;

    clap_plugin_t plugin;
    ClapHost clapHost;
    Instrument synth;
    EditQueue edits;
    // Declared after the instrument it edits, so that it goes first.
    std::unique_ptr<ClapEditor> editorWindow;
    bool active = false;
    std::atomic<bool> processing{false};
    std::atomic<bool> editorUpdate{false};
    std::atomic<std::uint32_t> tailLength{0};
    // Work the audio side leaves for the main thread.
    std::atomic<bool> rescanPending{false};
    std::atomic<bool> exportPending{false};
    std::atomic<float> exportSwitch{0.0f};
};

} // namespace tarvolin::clap
