#include "RecordingHost.h"
#include "shell/EditorInterface.h"
#include "shell/EffectBaseExt.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tarvolin {
namespace {

using testing::RecordingHost;

// The smallest concrete effect: the base classes' defaults, nothing else.
class PlainEffect : public EffectBaseExt {
public:
    explicit PlainEffect(audioMasterCallback callback) : EffectBaseExt(callback, 3, 4) {}
    void process(float**, float**, VstInt32) override {}
    using EffectBase::setEditor;
};

VstIntPtr dispatch(AEffect* effect, VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                   void* ptr = nullptr, float opt = 0.0f) {
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

TEST(EffectBase, RecordStartsWithTheBaseValues) {
    PlainEffect effect(nullptr);
    const AEffect& record = *effect.getAeffect();
    EXPECT_EQ(record.magic, 0x56737450);
    EXPECT_EQ(record.numPrograms, 3);
    EXPECT_EQ(record.numParams, 4);
    EXPECT_EQ(record.numInputs, 1);
    EXPECT_EQ(record.numOutputs, 2);
    EXPECT_EQ(record.flags, 0);
    EXPECT_EQ(record.uniqueID, 0x4E6F4566);
    EXPECT_EQ(record.version, 1);
    EXPECT_EQ(record.ioRatio, 1.0f);
    EXPECT_EQ(record.object, &effect);
    EXPECT_EQ(record.user, nullptr);
    EXPECT_EQ(effect.getSampleRate(), 44100.0f);
    EXPECT_EQ(effect.getBlockSize(), 1024);
    for (char byte : record.future) {
        EXPECT_EQ(byte, 0);
    }
}

TEST(EffectBase, DefaultAnswersOfTheDispatcher) {
    PlainEffect effect(nullptr);
    AEffect* record = effect.getAeffect();
    EXPECT_EQ(dispatch(record, effIdentify), 0x4E764566);
    EXPECT_EQ(dispatch(record, effGetVu), 0);
    EXPECT_EQ(dispatch(record, effCanBeAutomated, 77), 1);
    EXPECT_EQ(dispatch(record, effGetNumProgramCategories), 1);
    EXPECT_EQ(dispatch(record, effConnectInput, 0, 1), 1);
    EXPECT_EQ(dispatch(record, effConnectOutput, 0, 1), 1);
    EXPECT_EQ(dispatch(record, effGetPlugCategory), 0);
    EXPECT_EQ(dispatch(record, effSetBlockSizeAndSampleRate, 0, 256, nullptr, 48000.0f), 1);
    EXPECT_EQ(effect.getBlockSize(), 256);
    EXPECT_EQ(effect.getSampleRate(), 48000.0f);
    EXPECT_EQ(dispatch(record, effKeysRequired), 1);
    EXPECT_EQ(dispatch(record, effGetVstVersion), 2);
    EXPECT_EQ(dispatch(record, effGetVendorVersion), 0);
    for (VstInt32 opcode : {-1, 59, 60, 1000}) {
        EXPECT_EQ(dispatch(record, opcode), 0) << opcode;
    }
    char name[32] = "old name";
    dispatch(record, effGetProgramName, 0, 0, name);
    EXPECT_STREQ(name, "");
    std::strcpy(name, "host text");
    dispatch(record, effSetProgramName, 0, 0, name);
    EXPECT_STREQ(name, "");
}

TEST(EffectBase, ProgramSelectionStaysWithinTheProgramCount) {
    PlainEffect effect(nullptr);
    AEffect* record = effect.getAeffect();
    dispatch(record, effSetProgram, 0, 2);
    EXPECT_EQ(dispatch(record, effGetProgram), 2);
    for (VstIntPtr outside : {VstIntPtr{3}, VstIntPtr{-1}}) {
        EXPECT_EQ(dispatch(record, effSetProgram, 0, outside), 0);
        EXPECT_EQ(dispatch(record, effGetProgram), 2);
    }
}

TEST(EffectBase, FlagSettersSetAndClearTheirBits) {
    PlainEffect effect(nullptr);
    effect.setHasVu(true);
    effect.setHasClip(true);
    effect.setCanMono(true);
    effect.setCanReplacing(true);
    effect.setProgramChunks(true);
    effect.setIsSynth(true);
    effect.setNoSoundInStop(true);
    effect.setExtIsAsync(true);
    effect.setExtHasBuffer(true);
    EXPECT_EQ(effect.getAeffect()->flags, 4 + 2 + 8 + 16 + 32 + 256 + 512 + 1024 + 2048);
    EXPECT_EQ(effect.getPlugCategory(), kPlugCategSynth);
    effect.setHasVu(false);
    effect.setIsSynth(false);
    EXPECT_EQ(effect.getAeffect()->flags, 2 + 8 + 16 + 32 + 512 + 1024 + 2048);
    EXPECT_EQ(effect.getPlugCategory(), kPlugCategUnknown);
}

TEST(EffectBase, NullPointersAreAnsweredWithoutACall) {
    PlainEffect effect(nullptr);
    AEffect* record = effect.getAeffect();
    for (VstInt32 opcode :
         {effSetProgramName, effGetProgramName, effGetParamLabel, effGetParamDisplay,
          effGetParamName, effEditGetRect, effGetChunk, effSetChunk, effProcessEvents,
          effString2Parameter, effGetProgramNameIndexed, effGetInputProperties,
          effGetOutputProperties, effGetEffectName, effGetErrorText, effGetVendorString,
          effGetProductString, effCanDo, effGetParameterProperties}) {
        EXPECT_EQ(dispatch(record, opcode, 0, 4372, nullptr), 0) << opcode;
    }
}

// An editor that only counts what the dispatcher forwards to it.
class CountingEditor : public EditorInterface {
public:
    using EditorInterface::EditorInterface;
    VstIntPtr getRect(ERect** rect) override {
        *rect = &size;
        return 1;
    }
    VstIntPtr open(void* window) override {
        EditorInterface::open(window);
        return 1;
    }
    void close() override { ++closes; }
    void update() override { ++updates; }
    ERect size{0, 0, 345, 676};
    int closes = 0;
    int updates = 0;
};

TEST(EffectBase, EditorRequestsReachTheEditorWhenThereIsOne) {
    PlainEffect effect(nullptr);
    AEffect* record = effect.getAeffect();
    ERect* rect = nullptr;
    EXPECT_EQ(dispatch(record, effEditGetRect, 0, 0, &rect), 0);
    EXPECT_EQ(dispatch(record, effEditOpen, 0, 0, &rect), 0);
    EXPECT_EQ(dispatch(record, effEditClose), 0);
    EXPECT_EQ(dispatch(record, effEditIdle), 0);

    auto* editor = new CountingEditor(&effect);
    effect.setEditor(editor);
    EXPECT_EQ(record->flags & effFlagsHasEditor, effFlagsHasEditor);
    EXPECT_EQ(dispatch(record, effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right, 676);
    EXPECT_EQ(dispatch(record, effEditOpen, 0, 0, &rect), 1);
    EXPECT_EQ(dispatch(record, effEditClose), 0);
    EXPECT_EQ(editor->closes, 1);
    editor->requestUpdate();
    dispatch(record, effEditIdle);
    dispatch(record, effEditIdle);
    EXPECT_EQ(editor->updates, 1);
    // The effect owns the editor from here and frees it with itself.
}

TEST(EffectBase, HostRequestsCarryTheirArguments) {
    RecordingHost host;
    host.defaultAnswer = 7;
    PlainEffect effect(RecordingHost::callback());
    AEffect* record = effect.getAeffect();

    effect.setParameterAutomated(3, 0.25f);
    effect.hostWantMidi();
    effect.hostIdle();
    effect.hostUpdateDisplay();
    VstWindow window{};
    EXPECT_EQ(effect.hostOpenWindow(&window), reinterpret_cast<void*>(7));
    EXPECT_TRUE(effect.hostCloseWindow(&window));
    EXPECT_TRUE(effect.hostSizeWindow(640, 480));
    EXPECT_EQ(effect.hostTempoAt(99), 7);

    const auto& requests = host.requests();
    ASSERT_EQ(requests.size(), 8u);
    for (const auto& request : requests) {
        EXPECT_EQ(request.effect, record);
    }
    EXPECT_EQ(requests[0].opcode, audioMasterAutomate);
    EXPECT_EQ(requests[0].index, 3);
    EXPECT_EQ(requests[0].opt, 0.25f);
    EXPECT_EQ(requests[1].opcode, audioMasterWantMidi);
    EXPECT_EQ(requests[1].value, 1);
    EXPECT_EQ(requests[2].opcode, audioMasterIdle);
    EXPECT_EQ(requests[3].opcode, audioMasterUpdateDisplay);
    EXPECT_EQ(requests[4].opcode, audioMasterOpenWindow);
    EXPECT_EQ(requests[4].ptr, &window);
    EXPECT_EQ(requests[5].opcode, audioMasterCloseWindow);
    EXPECT_EQ(requests[5].ptr, &window);
    EXPECT_EQ(requests[6].opcode, audioMasterSizeWindow);
    EXPECT_EQ(requests[6].index, 640);
    EXPECT_EQ(requests[6].value, 480);
    EXPECT_EQ(requests[7].opcode, audioMasterTempoAt);
    EXPECT_EQ(requests[7].value, 99);
}

TEST(EffectBase, HostAnswersAreInterpretedPerRequest) {
    RecordingHost host;
    PlainEffect effect(RecordingHost::callback());
    host.defaultAnswer = 0;
    host.versionAnswer = 0;
    EXPECT_EQ(effect.hostVersion(), 1);
    EXPECT_TRUE(effect.isInputConnected(0));
    EXPECT_FALSE(effect.hostNeedIdle());
    host.defaultAnswer = 1;
    host.versionAnswer = 2400;
    EXPECT_EQ(effect.hostVersion(), 2400);
    EXPECT_FALSE(effect.isOutputConnected(1));
    EXPECT_TRUE(effect.hostIoChanged());
    EXPECT_EQ(effect.hostSampleRate(), 44100.0f);
    EXPECT_EQ(effect.hostBlockSize(), 1024);
    const auto pins = host.requestsWith(audioMasterPinConnected);
    ASSERT_EQ(pins.size(), 2u);
    EXPECT_EQ(pins[0].value, 0);
    EXPECT_EQ(pins[1].index, 1);
    EXPECT_EQ(pins[1].value, 1);
    EXPECT_EQ(host.requestsWith(audioMasterGetSampleRate).size(), 1u);
}

TEST(EffectBase, EveryHostRequestIsSafeWithoutAHost) {
    PlainEffect effect(nullptr);
    char text[64] = "";
    VstWindow window{};
    effect.setParameterAutomated(1, 0.5f);
    effect.hostIdle();
    effect.hostWantMidi();
    EXPECT_EQ(effect.hostVersion(), 1);
    EXPECT_EQ(effect.hostCurrentId(), 0);
    EXPECT_TRUE(effect.isInputConnected(0));
    EXPECT_TRUE(effect.isOutputConnected(0));
    EXPECT_EQ(effect.hostGetTime(0), nullptr);
    EXPECT_EQ(effect.hostTempoAt(0), 0);
    EXPECT_EQ(effect.hostNumAutomatableParameters(), 0);
    EXPECT_EQ(effect.hostParameterQuantization(), 0);
    EXPECT_FALSE(effect.hostIoChanged());
    EXPECT_FALSE(effect.hostNeedIdle());
    EXPECT_FALSE(effect.hostSizeWindow(1, 1));
    EXPECT_EQ(effect.hostSampleRate(), 44100.0f);
    EXPECT_EQ(effect.hostBlockSize(), 1024);
    EXPECT_EQ(effect.hostInputLatency(), 0);
    EXPECT_EQ(effect.hostOutputLatency(), 0);
    EXPECT_EQ(effect.hostPreviousPlug(), 0);
    EXPECT_EQ(effect.hostNextPlug(), 0);
    EXPECT_EQ(effect.hostWillReplaceOrAccumulate(), 0);
    EXPECT_EQ(effect.hostCurrentProcessLevel(), 0);
    EXPECT_EQ(effect.hostAutomationState(), 0);
    EXPECT_FALSE(effect.hostOfflineStart(nullptr, 0, 0));
    EXPECT_FALSE(effect.hostOfflineRead(nullptr, 0, true));
    EXPECT_FALSE(effect.hostOfflineWrite(nullptr, 0));
    EXPECT_FALSE(effect.hostOfflineCurrentPass());
    EXPECT_FALSE(effect.hostOfflineCurrentMetaPass());
    EXPECT_EQ(effect.hostSetOutputSampleRate(48000.0f), 0);
    EXPECT_FALSE(effect.hostSpeakerArrangement(nullptr, nullptr));
    EXPECT_FALSE(effect.hostVendorString(text));
    EXPECT_FALSE(effect.hostProductString(text));
    EXPECT_EQ(effect.hostVendorVersion(), 0);
    EXPECT_EQ(effect.hostVendorSpecific(0, 0, nullptr, 0.0f), 0);
    EXPECT_FALSE(effect.hostCanDo(text));
    EXPECT_EQ(effect.hostLanguage(), 0);
    EXPECT_EQ(effect.hostOpenWindow(&window), nullptr);
    EXPECT_FALSE(effect.hostCloseWindow(&window));
    EXPECT_EQ(effect.hostDirectory(), nullptr);
    EXPECT_FALSE(effect.hostUpdateDisplay());
}

TEST(EffectBase, NonsenseSampleRatesKeepTheLastGoodOne) {
    PlainEffect effect(nullptr);
    AEffect* record = effect.getAeffect();
    dispatch(record, effSetSampleRate, 0, 0, nullptr, 48000.0f);
    for (float bad : {0.0f, -44100.0f, std::numeric_limits<float>::quiet_NaN(),
                      std::numeric_limits<float>::infinity()}) {
        dispatch(record, effSetSampleRate, 0, 0, nullptr, bad);
        EXPECT_EQ(effect.getSampleRate(), 48000.0f);
    }
}

} // namespace
} // namespace tarvolin
