// FST numbers the opcodes it has no name for as 100000 plus the line that declares them, so a plug-in or host
// built on it would answer and send those on numbers no other VST 2.4 program uses (a host's bypass request on
// 44 would go unheard). Each such opcode that JUCE's plug-in client or host uses is renamed out of the way while
// FST declares it, and declared again with the number VST 2.4 hosts and plug-ins use, in FST's own enum type.
#pragma once

#define audioMasterIOChanged fstUnnumberedIOChanged
#define audioMasterUpdateDisplay fstUnnumberedUpdateDisplay
#define audioMasterVendorSpecific fstUnnumberedVendorSpecific
#define audioMasterGetAutomationState fstUnnumberedGetAutomationState
#define audioMasterGetDirectory fstUnnumberedGetDirectory
#define audioMasterGetInputLatency fstUnnumberedGetInputLatency
#define audioMasterGetOutputLatency fstUnnumberedGetOutputLatency
#define audioMasterIdle fstUnnumberedIdle
#define audioMasterNeedIdle fstUnnumberedNeedIdle
#define audioMasterPinConnected fstUnnumberedPinConnected
#define audioMasterSetTime fstUnnumberedSetTime
#define audioMasterGetLanguage fstUnnumberedGetLanguage
#define audioMasterGetNumAutomatableParameters fstUnnumberedGetNumAutomatableParameters
#define audioMasterGetParameterQuantization fstUnnumberedGetParameterQuantization
#define audioMasterSetOutputSampleRate fstUnnumberedSetOutputSampleRate
#define audioMasterWillReplaceOrAccumulate fstUnnumberedWillReplaceOrAccumulate
#define audioMasterGetPreviousPlug fstUnnumberedGetPreviousPlug
#define audioMasterGetNextPlug fstUnnumberedGetNextPlug
#define audioMasterOpenWindow fstUnnumberedOpenWindow
#define audioMasterCloseWindow fstUnnumberedCloseWindow
#define audioMasterSetIcon fstUnnumberedSetIcon
#define audioMasterOfflineStart fstUnnumberedOfflineStart
#define audioMasterOfflineRead fstUnnumberedOfflineRead
#define audioMasterOfflineWrite fstUnnumberedOfflineWrite
#define audioMasterOfflineGetCurrentPass fstUnnumberedOfflineGetCurrentPass
#define audioMasterOfflineGetCurrentMetaPass fstUnnumberedOfflineGetCurrentMetaPass
#define audioMasterGetOutputSpeakerArrangement fstUnnumberedGetOutputSpeakerArrangement
#define audioMasterGetInputSpeakerArrangement fstUnnumberedGetInputSpeakerArrangement
#define audioMasterOpenFileSelector fstUnnumberedOpenFileSelector
#define audioMasterCloseFileSelector fstUnnumberedCloseFileSelector
#define audioMasterEditFile fstUnnumberedEditFile
#define audioMasterGetChunkFile fstUnnumberedGetChunkFile
#define effSetBypass fstUnnumberedSetBypass
#define effGetTailSize fstUnnumberedGetTailSize
#define effKeysRequired fstUnnumberedKeysRequired
#define effGetNumMidiInputChannels fstUnnumberedGetNumMidiInputChannels
#define effGetNumMidiOutputChannels fstUnnumberedGetNumMidiOutputChannels
#define effIdle fstUnnumberedEffIdle
#define effEditDraw fstUnnumberedEditDraw
#define effEditMouse fstUnnumberedEditMouse
#define effEditTop fstUnnumberedEditTop
#define effEditSleep fstUnnumberedEditSleep
#define effConnectInput fstUnnumberedConnectInput
#define effConnectOutput fstUnnumberedConnectOutput
#define effBeginSetProgram fstUnnumberedBeginSetProgram
#define effEndSetProgram fstUnnumberedEndSetProgram

#define FST2VST 1
#include <pluginterfaces/fst/fst.h>

#undef audioMasterIOChanged
#undef audioMasterUpdateDisplay
#undef audioMasterVendorSpecific
#undef audioMasterGetAutomationState
#undef audioMasterGetDirectory
#undef audioMasterGetInputLatency
#undef audioMasterGetOutputLatency
#undef audioMasterIdle
#undef audioMasterNeedIdle
#undef audioMasterPinConnected
#undef audioMasterSetTime
#undef audioMasterGetLanguage
#undef audioMasterGetNumAutomatableParameters
#undef audioMasterGetParameterQuantization
#undef audioMasterSetOutputSampleRate
#undef audioMasterWillReplaceOrAccumulate
#undef audioMasterGetPreviousPlug
#undef audioMasterGetNextPlug
#undef audioMasterOpenWindow
#undef audioMasterCloseWindow
#undef audioMasterSetIcon
#undef audioMasterOfflineStart
#undef audioMasterOfflineRead
#undef audioMasterOfflineWrite
#undef audioMasterOfflineGetCurrentPass
#undef audioMasterOfflineGetCurrentMetaPass
#undef audioMasterGetOutputSpeakerArrangement
#undef audioMasterGetInputSpeakerArrangement
#undef audioMasterOpenFileSelector
#undef audioMasterCloseFileSelector
#undef audioMasterEditFile
#undef audioMasterGetChunkFile
#undef effSetBypass
#undef effGetTailSize
#undef effKeysRequired
#undef effGetNumMidiInputChannels
#undef effGetNumMidiOutputChannels
#undef effIdle
#undef effEditDraw
#undef effEditMouse
#undef effEditTop
#undef effEditSleep
#undef effConnectInput
#undef effConnectOutput
#undef effBeginSetProgram
#undef effEndSetProgram

constexpr auto audioMasterIdle = static_cast<t_fstHostOpcode>(3);
constexpr auto audioMasterPinConnected = static_cast<t_fstHostOpcode>(4);
constexpr auto audioMasterSetTime = static_cast<t_fstHostOpcode>(9);
constexpr auto audioMasterGetNumAutomatableParameters = static_cast<t_fstHostOpcode>(11);
constexpr auto audioMasterGetParameterQuantization = static_cast<t_fstHostOpcode>(12);
constexpr auto audioMasterIOChanged = static_cast<t_fstHostOpcode>(13);
constexpr auto audioMasterNeedIdle = static_cast<t_fstHostOpcode>(14);
constexpr auto audioMasterGetInputLatency = static_cast<t_fstHostOpcode>(18);
constexpr auto audioMasterGetOutputLatency = static_cast<t_fstHostOpcode>(19);
constexpr auto audioMasterGetPreviousPlug = static_cast<t_fstHostOpcode>(20);
constexpr auto audioMasterGetNextPlug = static_cast<t_fstHostOpcode>(21);
constexpr auto audioMasterWillReplaceOrAccumulate = static_cast<t_fstHostOpcode>(22);
constexpr auto audioMasterGetAutomationState = static_cast<t_fstHostOpcode>(24);
constexpr auto audioMasterOfflineStart = static_cast<t_fstHostOpcode>(25);
constexpr auto audioMasterOfflineRead = static_cast<t_fstHostOpcode>(26);
constexpr auto audioMasterOfflineWrite = static_cast<t_fstHostOpcode>(27);
constexpr auto audioMasterOfflineGetCurrentPass = static_cast<t_fstHostOpcode>(28);
constexpr auto audioMasterOfflineGetCurrentMetaPass = static_cast<t_fstHostOpcode>(29);
constexpr auto audioMasterSetOutputSampleRate = static_cast<t_fstHostOpcode>(30);
constexpr auto audioMasterGetOutputSpeakerArrangement = static_cast<t_fstHostOpcode>(31);
constexpr auto audioMasterVendorSpecific = static_cast<t_fstHostOpcode>(35);
constexpr auto audioMasterSetIcon = static_cast<t_fstHostOpcode>(36);
constexpr auto audioMasterGetLanguage = static_cast<t_fstHostOpcode>(38);
constexpr auto audioMasterOpenWindow = static_cast<t_fstHostOpcode>(39);
constexpr auto audioMasterCloseWindow = static_cast<t_fstHostOpcode>(40);
constexpr auto audioMasterGetDirectory = static_cast<t_fstHostOpcode>(41);
constexpr auto audioMasterUpdateDisplay = static_cast<t_fstHostOpcode>(42);
constexpr auto audioMasterOpenFileSelector = static_cast<t_fstHostOpcode>(45);
constexpr auto audioMasterCloseFileSelector = static_cast<t_fstHostOpcode>(46);
constexpr auto audioMasterEditFile = static_cast<t_fstHostOpcode>(47);
constexpr auto audioMasterGetChunkFile = static_cast<t_fstHostOpcode>(48);
constexpr auto audioMasterGetInputSpeakerArrangement = static_cast<t_fstHostOpcode>(49);

constexpr auto effEditDraw = static_cast<t_fstPluginOpcode>(16);
constexpr auto effEditMouse = static_cast<t_fstPluginOpcode>(17);
constexpr auto effEditTop = static_cast<t_fstPluginOpcode>(20);
constexpr auto effEditSleep = static_cast<t_fstPluginOpcode>(21);
constexpr auto effConnectInput = static_cast<t_fstPluginOpcode>(31);
constexpr auto effConnectOutput = static_cast<t_fstPluginOpcode>(32);
constexpr auto effSetBypass = static_cast<t_fstPluginOpcode>(44);
constexpr auto effGetTailSize = static_cast<t_fstPluginOpcode>(52);
constexpr auto effIdle = static_cast<t_fstPluginOpcode>(53);
constexpr auto effKeysRequired = static_cast<t_fstPluginOpcode>(57);
constexpr auto effBeginSetProgram = static_cast<t_fstPluginOpcode>(67);
constexpr auto effEndSetProgram = static_cast<t_fstPluginOpcode>(68);
constexpr auto effGetNumMidiInputChannels = static_cast<t_fstPluginOpcode>(78);
constexpr auto effGetNumMidiOutputChannels = static_cast<t_fstPluginOpcode>(79);
