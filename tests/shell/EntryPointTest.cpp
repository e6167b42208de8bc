#include "TestHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace tarvolin {
namespace {

using testing::RecordingHost;
using testing::TestHost;

constexpr VstInt32 kInstrumentFlags =
    effFlagsHasEditor | effFlagsCanReplacing | effFlagsProgramChunks | effFlagsIsSynth;

TEST(EntryPoint, RecordCarriesTheInstrumentsValues) {
    TestHost test;
    ASSERT_TRUE(test.plugin.isOpen());
    const AEffect& record = *test.plugin.record();
    EXPECT_EQ(record.magic, fourCharCode('V', 's', 't', 'P'));
    EXPECT_EQ(record.numPrograms, 5);
    EXPECT_EQ(record.numParams, 52);
    EXPECT_EQ(record.numInputs, 0);
    EXPECT_EQ(record.numOutputs, 2);
    EXPECT_EQ(record.flags, kInstrumentFlags);
    EXPECT_EQ(record.resvd1, 0);
    EXPECT_EQ(record.resvd2, 0);
    EXPECT_EQ(record.initialDelay, 0);
    EXPECT_EQ(record.realQualities, 0);
    EXPECT_EQ(record.offQualities, 0);
    EXPECT_EQ(record.ioRatio, 1.0f);
    EXPECT_EQ(record.user, nullptr);
    EXPECT_EQ(record.uniqueID, fourCharCode('Q', 'm', 'r', 'v'));
    EXPECT_EQ(record.version, 1);
    EXPECT_NE(record.dispatcher, nullptr);
    EXPECT_NE(record.process, nullptr);
    EXPECT_NE(record.processReplacing, nullptr);
    EXPECT_NE(record.setParameter, nullptr);
    EXPECT_NE(record.getParameter, nullptr);
    for (char byte : record.future) {
        EXPECT_EQ(byte, 0);
    }
    // The version question comes first, before the instance exists.
    ASSERT_FALSE(test.host.requests().empty());
    EXPECT_EQ(test.host.requests().front().opcode, audioMasterVersion);
    EXPECT_EQ(test.host.requests().front().effect, nullptr);
}

TEST(EntryPoint, ExportedUnderThePlatformsNames) {
    const host::PluginModule& module = testing::builtModule();
    EXPECT_TRUE(module.exports("main"));
#if defined(_WIN32) && !defined(_WIN64)
    // 32-bit Windows hosts look for "main" alone; the module exports nothing else.
    EXPECT_FALSE(module.exports("VSTPluginMain"));
#else
    EXPECT_TRUE(module.exports("VSTPluginMain"));
#endif
}

TEST(EntryPoint, HostsTooOldOrWithoutCallbackAreRefused) {
    RecordingHost host;
    host.versionAnswer = 0;
    host::PluginInstance refused(testing::builtModule(), RecordingHost::callback());
    EXPECT_FALSE(refused.isOpen());
    EXPECT_EQ(host.requests().size(), 1u);

    host::PluginInstance noCallback(testing::builtModule(), nullptr);
    EXPECT_FALSE(noCallback.isOpen());
}

TEST(EntryPoint, CloseAnswersOneAndEndsTheInstance) {
    TestHost test;
    EXPECT_EQ(test.plugin.close(), 1);
    EXPECT_FALSE(test.plugin.isOpen());
}

TEST(EntryPoint, InstancesAreIndependent) {
    TestHost first;
    RecordingHost secondHost;
    host::PluginInstance second(testing::builtModule(), RecordingHost::callback());
    ASSERT_TRUE(second.isOpen());
    first.plugin.setParameter(0, 0.8f);
    second.dispatch(effSetProgram, 0, 3);
    EXPECT_EQ(first.plugin.getParameter(0), 0.8f);
    EXPECT_EQ(second.getParameter(0), 0.5f);
    EXPECT_EQ(first.plugin.dispatch(effGetProgram), 0);
    EXPECT_EQ(second.dispatch(effGetProgram), 3);
}

TEST(Dispatcher, FixedAnswers) {
    TestHost test;
    const auto& plugin = test.plugin;
    EXPECT_EQ(plugin.dispatch(effIdentify, 12, 34, nullptr, 5.0f), 0x4E764566);
    EXPECT_EQ(plugin.dispatch(effGetPlugCategory), kPlugCategSynth);
    EXPECT_EQ(plugin.dispatch(effGetVstVersion), 2);
    EXPECT_EQ(plugin.dispatch(effGetVendorVersion), 1);
    EXPECT_EQ(plugin.dispatch(effGetNumProgramCategories), 1);
    EXPECT_EQ(plugin.dispatch(effGetVu), 0);
    EXPECT_EQ(plugin.dispatch(effKeysRequired), 1);
    EXPECT_EQ(plugin.dispatch(effCanBeAutomated, 51), 1);
    EXPECT_EQ(plugin.dispatch(effConnectInput, 0, 1), 1);
    EXPECT_EQ(plugin.dispatch(effConnectOutput, 1, 0), 1);
    EXPECT_EQ(plugin.dispatch(effSetBlockSizeAndSampleRate, 0, 512, nullptr, 48000.0f), 1);
    char text[64] = "";
    for (VstInt32 opcode : std::initializer_list<VstInt32>{effEditDraw,
                                                           effEditMouse,
                                                           effEditKey,
                                                           effEditTop,
                                                           effEditSleep,
                                                           effString2Parameter,
                                                           effGetInputProperties,
                                                           effGetCurrentPosition,
                                                           effGetDestinationBuffer,
                                                           effOfflineNotify,
                                                           effOfflinePrepare,
                                                           effOfflineRun,
                                                           effProcessVarIo,
                                                           effSetSpeakerArrangement,
                                                           effSetBypass,
                                                           effGetErrorText,
                                                           effVendorSpecific,
                                                           effGetTailSize,
                                                           effIdle,
                                                           effGetIcon,
                                                           effSetViewPosition,
                                                           effGetParameterProperties,
                                                           VstInt32{59},
                                                           VstInt32{60},
                                                           VstInt32{128},
                                                           VstInt32{-1}}) {
        EXPECT_EQ(plugin.dispatch(opcode, 0, 0, text), 0) << opcode;
    }
}

TEST(Dispatcher, NamesOfTheInstrument) {
    TestHost test;
    char effectName[64] = "";
    char productName[64] = "";
    char vendorName[64] = "";
    EXPECT_EQ(test.plugin.dispatch(effGetEffectName, 0, 0, effectName), 1);
    EXPECT_EQ(test.plugin.dispatch(effGetProductString, 0, 0, productName), 1);
    EXPECT_EQ(test.plugin.dispatch(effGetVendorString, 0, 0, vendorName), 1);
    EXPECT_STREQ(effectName, "Tarvolin");
    EXPECT_STREQ(productName, "Tarvolin");
    EXPECT_STREQ(vendorName, "Halbrook");
}

TEST(Dispatcher, CapabilitiesMatchExactly) {
    TestHost test;
    auto canDo = [&](std::string capability) {
        return test.plugin.dispatch(effCanDo, 0, 0, capability.data());
    };
    EXPECT_EQ(canDo("receiveVstEvents"), 1);
    EXPECT_EQ(canDo("receiveVstMidiEvent"), 1);
    EXPECT_EQ(canDo("sendVstEvents"), -1);
    EXPECT_EQ(canDo("receiveVstTimeInfo"), -1);
    EXPECT_EQ(canDo("receiveVstEventsX"), -1);
    EXPECT_EQ(canDo("receivevstevents"), -1);
    EXPECT_EQ(canDo("receiveVst"), -1);
    EXPECT_EQ(canDo(""), -1);
}

TEST(Dispatcher, ProgramSelectionAndLabels) {
    TestHost test;
    test.plugin.dispatch(effSetProgram, 0, 2);
    for (VstIntPtr outside : {VstIntPtr{5}, VstIntPtr{-1}}) {
        EXPECT_EQ(test.plugin.dispatch(effSetProgram, 0, outside), 0);
        EXPECT_EQ(test.plugin.dispatch(effGetProgram), 2);
    }
    char label[16] = "host's";
    EXPECT_EQ(test.plugin.dispatch(effGetParamLabel, 0, 0, label), 0);
    EXPECT_STREQ(label, "host's");
}

TEST(Dispatcher, OutputPins) {
    TestHost test;
    for (VstInt32 pin : {0, 1}) {
        VstPinProperties properties{};
        properties.arrangementType = 77;
        ASSERT_EQ(test.plugin.dispatch(effGetOutputProperties, pin, 0, &properties), 1);
        EXPECT_EQ(std::string(properties.label), "Vstx " + std::to_string(pin + 1));
        EXPECT_EQ(properties.flags, kVstPinIsActive | kVstPinIsStereo);
        EXPECT_EQ(properties.arrangementType, 77);
    }
    for (VstInt32 pin : {2, -1}) {
        VstPinProperties properties{};
        EXPECT_EQ(test.plugin.dispatch(effGetOutputProperties, pin, 0, &properties), 0);
        EXPECT_EQ(properties.label[0], '\0');
    }
}

TEST(Dispatcher, ResumingAsksForMidiOnce) {
    TestHost test;
    test.host.clear();
    test.plugin.dispatch(effMainsChanged, 0, 0);
    EXPECT_TRUE(test.host.requests().empty());
    test.plugin.dispatch(effMainsChanged, 0, 1);
    const auto midi = test.host.requestsWith(audioMasterWantMidi);
    ASSERT_EQ(test.host.requests().size(), 1u);
    ASSERT_EQ(midi.size(), 1u);
    EXPECT_EQ(midi[0].value, 1);
    EXPECT_EQ(midi[0].effect, test.plugin.record());
}

TEST(Dispatcher, NullPointersGetZeroFromTheInstrument) {
    TestHost test;
    for (VstInt32 opcode : std::initializer_list<VstInt32>{
             effSetProgramName, effGetProgramName, effGetParamLabel, effGetParamDisplay,
             effGetParamName, effEditGetRect, effGetChunk, effSetChunk, effProcessEvents,
             effString2Parameter, effGetProgramNameIndexed, effGetInputProperties,
             effGetOutputProperties, effGetEffectName, effGetVendorString, effGetProductString,
             effCanDo}) {
        EXPECT_EQ(test.plugin.dispatch(opcode, 0, 4372, nullptr), 0) << opcode;
    }
    EXPECT_EQ(test.plugin.getParameter(0), 0.5f);
}

} // namespace
} // namespace tarvolin
