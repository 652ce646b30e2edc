// What hosts see of presets and saved state through each build: the program list, program loads, the
// "no program" case, and state that survives a save and restore.
#include "BankHome.h"
#include "ExpectedParameters.h"
#include "HostedPlugin.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

namespace
{
// The factory bank in the order hosts list it.
const juce::StringArray listedBank { "Init",          "Auto-Pan Echo",     "Chorus Echo",       "Clean Slapback",
                                     "Dark Repeats",  "Dotted Eighth",     "Dotted Ping-Pong",  "Ducked Vocal Echo",
                                     "Flanger Wash",  "Infinite Pad",      "Phaser Delay",      "Quarter Note Echo",
                                     "Tape Wobble",   "Tremolo Pulse",     "Triplet Ping",      "Wide Spread" };

juce::String presetTimeText(const juce::String& name)
{
    const auto xml = juce::XmlDocument::parse(BankHome::factoryBank().getChildFile(name + ".preset"));
    for (auto* param : xml->getChildIterator())
        if (param->getStringAttribute("id") == "time")
            return param->getStringAttribute("value");
    return {};
}

float presetTime(const juce::String& name)
{
    return presetTimeText(name).getFloatValue();
}

// The plug-in's own state as JUCE's VST3 host keeps it: the component's stream, base64 in an XML document.
std::string vst3ComponentState(juce::AudioPluginInstance& instance)
{
    juce::MemoryBlock saved;
    instance.getStateInformation(saved);
    const auto xml = juce::AudioProcessor::getXmlFromBinary(saved.getData(), static_cast<int>(saved.getSize()));
    juce::MemoryBlock component;
    if (xml != nullptr)
        if (auto* element = xml->getChildByName("IComponent"))
            component.fromBase64Encoding(element->getAllSubText());
    return { static_cast<const char*>(component.getData()), component.getSize() };
}

// Hosts prepare a plug-in once, then hand program and parameter changes over with the audio and take the
// plug-in's reports on their message thread; a VST3 host hands what the plug-in reports back with the next
// block, which here always follows. (JUCE's LV2 host makes a new instance on every prepareToPlay, and a new
// instance does not report values that equal its defaults.)
void deliverChanges(juce::AudioPluginInstance& instance)
{
    juce::AudioBuffer<float> block(2, hostBlockSize);
    juce::MidiBuffer midi;
    for (int i = 0; i < 3; ++i)
    {
        block.clear();
        instance.processBlock(block, midi);
        juce::MessageManager::getInstance()->runDispatchLoopUntil(30);
    }
    block.clear();
    instance.processBlock(block, midi);
}

float timeOf(juce::AudioProcessor& instance)
{
    auto* time = findParameter(instance, "Time");
    return time == nullptr ? -1.0f : time->getValue() * 2000.0f;
}

// Where the loudest echo of an impulse comes back, in milliseconds, once the delay time has settled: with
// feedback below 100 % that is the first echo, at the delay time.
float loudestEchoMs(juce::AudioProcessor& instance)
{
    constexpr int settlingBlocks = 3 * static_cast<int>(hostSampleRate) / hostBlockSize;
    constexpr int listeningBlocks = 5 * static_cast<int>(hostSampleRate) / hostBlockSize / 2;
    constexpr int ignoredSamples = static_cast<int>(hostSampleRate) / 20;

    juce::AudioBuffer<float> block(2, hostBlockSize);
    juce::MidiBuffer midi;
    for (int i = 0; i < settlingBlocks; ++i)
    {
        block.clear();
        instance.processBlock(block, midi);
    }

    float loudest = 0.0f;
    int loudestAt = -1;
    for (int i = 0; i < listeningBlocks; ++i)
    {
        block.clear();
        if (i == 0)
            block.setSample(0, 0, 0.5f);
        instance.processBlock(block, midi);

        for (int n = 0; n < hostBlockSize; ++n)
        {
            const int at = i * hostBlockSize + n;
            if (at >= ignoredSamples && std::abs(block.getSample(0, n)) > loudest)
            {
                loudest = std::abs(block.getSample(0, n));
                loudestAt = at;
            }
        }
    }

    return static_cast<float>(loudestAt * 1000.0 / hostSampleRate);
}

// What the host hears while one of its own calls runs: the parameters whose values change, and gestures.
struct HostEars : juce::AudioProcessorListener
{
    void audioProcessorParameterChanged(juce::AudioProcessor*, int index, float) override { changed.insert(index); }
    void audioProcessorParameterChangeGestureBegin(juce::AudioProcessor*, int) override { ++gestures; }
    void audioProcessorChanged(juce::AudioProcessor*, const ChangeDetails&) override {}

    std::set<int> changed;
    int gestures = 0;
};

class HostPrograms : public testing::TestWithParam<PluginFormat>
{
};
} // namespace

// On a first open: the plug-in writes the bank it carries, and lists it.
TEST_P(HostPrograms, ProgramKIsPresetK)
{
    const BankHome bank(BankHome::writtenOnFirstOpen);
    auto plugin = loadPlugin(GetParam());
    ASSERT_NE(plugin.instance, nullptr) << plugin.error;
    auto& instance = *plugin.instance;

    juce::StringArray hostOrder;
    for (int k = 0; k < instance.getNumPrograms(); ++k)
        hostOrder.add(instance.getProgramName(k));

    // JUCE's LV2 host lists a bundle's presets in its own order; what matters there is that each name loads
    // the preset it names.
    auto names = hostOrder;
    if (GetParam() == PluginFormat::lv2)
        names.sort(false);
    EXPECT_EQ(names, GetParam() == PluginFormat::lv2 ? [] { auto sorted = listedBank; sorted.sort(false); return sorted; }()
                                                      : listedBank);

    // "Init" holds every default, so it only shows when it follows presets that changed them.
    instance.prepareToPlay(hostSampleRate, hostBlockSize);
    for (const auto* name : { "Clean Slapback", "Init", "Wide Spread", "Tremolo Pulse", "Init" })
    {
        const int k = hostOrder.indexOf(name);
        instance.setCurrentProgram(k);
        deliverChanges(instance);
        if (GetParam() != PluginFormat::lv2)
            EXPECT_EQ(instance.getCurrentProgram(), k) << name;

        // JUCE's VST3 wrapper does not report the values a program change brings to the host, so there the
        // plug-in's saved state tells what it loaded.
        if (GetParam() == PluginFormat::vst3)
        {
            const auto expected = "<PARAM id=\"time\" value=\"" + presetTimeText(name).toStdString() + "\"/>";
            EXPECT_NE(vst3ComponentState(instance).find(expected), std::string::npos) << name;
        }
        else
            EXPECT_NEAR(timeOf(instance), presetTime(name), 0.5f) << name;
    }
}

// Whatever the plug-in reports as current after an edit, a pick of any program loads it: Init, and the very
// program the edit started from.
TEST_P(HostPrograms, EveryPickIsHeardEvenAfterAnEdit)
{
    const BankHome bank;
    auto plugin = loadPlugin(GetParam());
    ASSERT_NE(plugin.instance, nullptr) << plugin.error;
    auto& instance = *plugin.instance;
    instance.prepareToPlay(hostSampleRate, hostBlockSize);

    const auto programIndex = [&](const juce::String& name) {
        for (int k = 0; k < instance.getNumPrograms(); ++k)
            if (instance.getProgramName(k) == name)
                return k;
        return -1;
    };
    const int init = programIndex("Init");
    const int other = programIndex("Wide Spread");
    ASSERT_GE(init, 0);
    ASSERT_GE(other, 0);

    const auto pick = [&](int k) {
        instance.setCurrentProgram(k);
        deliverChanges(instance);
    };
    const auto editTime = [&] {
        findParameter(instance, "Time")->setValueNotifyingHost(0.9f);
        deliverChanges(instance);
    };
    const float initEchoMs = presetTime("Init");
    constexpr float toleranceMs = 40.0f;

    pick(init);
    editTime();
    EXPECT_NEAR(loudestEchoMs(instance), 1800.0f, toleranceMs) << "the edit is heard";
    pick(init);
    EXPECT_NEAR(loudestEchoMs(instance), initEchoMs, toleranceMs) << "the current program, picked again after an edit";

    pick(other);
    editTime();
    pick(init);
    EXPECT_NEAR(loudestEchoMs(instance), initEchoMs, toleranceMs) << "Init, after another program and an edit";
}

// A preset the plug-in refuses, picked from a host's program list, leaves the sound and the current program
// as they were. (An LV2 bundle lists only the factory bank.)
TEST(HostProgramsRefused, ARefusedPresetChangesNothing)
{
    for (const auto format : { PluginFormat::vst3, PluginFormat::vst2 })
    {
        const BankHome bank;
        ASSERT_TRUE(juce::File::getSpecialLocation(juce::File::userHomeDirectory)
                        .getChildFile("Quillon/Vela/Presets/Broken.preset")
                        .replaceWithText("<?xml version=\"1.0\"?>\n<Vela><PARAM id=\"time\""));
        auto plugin = loadPlugin(format);
        ASSERT_NE(plugin.instance, nullptr) << plugin.error;
        auto& instance = *plugin.instance;
        instance.prepareToPlay(hostSampleRate, hostBlockSize);

        juce::StringArray names;
        for (int k = 0; k < instance.getNumPrograms(); ++k)
            names.add(instance.getProgramName(k));
        const int loaded = names.indexOf("Clean Slapback");
        const int broken = names.indexOf("Broken");
        ASSERT_GE(broken, 0) << pluginFormatName(format);

        instance.setCurrentProgram(loaded);
        deliverChanges(instance);
        instance.setCurrentProgram(broken);
        deliverChanges(instance);

        EXPECT_EQ(instance.getCurrentProgram(), loaded) << pluginFormatName(format);
        EXPECT_NEAR(timeOf(instance), presetTime("Clean Slapback"), 0.5f) << pluginFormatName(format);
    }
}

// The VST3 build, prepared, with the program parameter its host shows.
class HostProgramsVst3 : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(plugin.instance, nullptr) << plugin.error;
        plugin.instance->prepareToPlay(hostSampleRate, hostBlockSize);
        program = findParameter(*plugin.instance, "Program");
        ASSERT_NE(program, nullptr);
    }

    const BankHome bank;
    HostedPlugin plugin = loadPlugin(PluginFormat::vst3);
    juce::AudioProcessorParameter* program = nullptr;
};

// A VST 3 host sets its program parameter and waits for the call to return: the plug-in sends nothing back
// meanwhile (a program edit then would reach the host before its own value is stored). The values the
// program brings follow from the message thread.
TEST_F(HostProgramsVst3, NothingIsSentBackWhileTheHostSetsTheProgram)
{
    auto& instance = *plugin.instance;
    for (const auto* name : { "Wide Spread", "Init", "Clean Slapback" })
    {
        const int k = listedBank.indexOf(name);
        HostEars ears;
        instance.addListener(&ears);
        instance.setCurrentProgram(k);
        instance.removeListener(&ears);
        EXPECT_EQ(ears.gestures, 0) << name;
        EXPECT_EQ(ears.changed, std::set<int> { program->getParameterIndex() }) << name << ": the host's own change only";

        deliverChanges(instance);
        EXPECT_NEAR(timeOf(instance), presetTime(name), 0.5f) << name << ": the host learns the program's values";
        EXPECT_EQ(instance.getCurrentProgram(), k) << name;
    }
}

// A host picks a program and edits a parameter before the plug-in has told it the program's values: the host's
// program parameter stays at its pick. Moved to the first program, it would be recorded as a pick of that program
// and load it on playback.
TEST_F(HostProgramsVst3, AnEditRightAfterAPickLeavesTheHostsProgramAlone)
{
    auto& instance = *plugin.instance;
    const int k = listedBank.indexOf("Wide Spread");

    instance.setCurrentProgram(k);
    findParameter(instance, "Mix")->setValueNotifyingHost(0.9f);
    HostEars ears;
    instance.addListener(&ears);
    deliverChanges(instance);
    instance.removeListener(&ears);

    EXPECT_EQ(ears.changed.count(program->getParameterIndex()), 0u);
    EXPECT_EQ(instance.getCurrentProgram(), k);
    EXPECT_NEAR(timeOf(instance), presetTime("Wide Spread"), 0.5f) << "the program's values still reach the host";
}

TEST_P(HostPrograms, NoCurrentProgramStaysWithinWhatTheFormatCanSay)
{
    const BankHome bank;
    auto plugin = loadPlugin(GetParam());
    ASSERT_NE(plugin.instance, nullptr) << plugin.error;
    auto& instance = *plugin.instance;

    instance.setCurrentProgram(2);
    findParameter(instance, "Mix")->setValueNotifyingHost(0.9f);

    const int current = instance.getCurrentProgram();
    switch (GetParam())
    {
        case PluginFormat::vst2: EXPECT_EQ(current, -1); break;
        case PluginFormat::vst3: EXPECT_TRUE(juce::isPositiveAndBelow(current, listedBank.size())); break;
        case PluginFormat::lv2: break;
    }
    EXPECT_NO_FATAL_FAILURE(instance.getProgramName(current));

    for (auto* parameter : instance.getParameters())
    {
        EXPECT_GE(parameter->getValue(), 0.0f) << parameter->getName(100);
        EXPECT_LE(parameter->getValue(), 1.0f) << parameter->getName(100);
    }
}

TEST_P(HostPrograms, StateSurvivesASaveAndARestore)
{
    auto saved = loadPlugin(GetParam());
    ASSERT_NE(saved.instance, nullptr) << saved.error;

    const std::pair<const char*, float> settings[] = { { "Time", 0.3f }, { "Feedback", 0.77f },
                                                       { "Mod Type", 4.0f / 6.0f }, { "Tempo Sync", 1.0f } };
    saved.instance->prepareToPlay(hostSampleRate, hostBlockSize);
    for (const auto& [name, value] : settings)
        findParameter(*saved.instance, name)->setValueNotifyingHost(value);

    deliverChanges(*saved.instance);
    juce::MemoryBlock state;
    saved.instance->getStateInformation(state);

    auto restored = loadPlugin(GetParam());
    ASSERT_NE(restored.instance, nullptr) << restored.error;
    restored.instance->prepareToPlay(hostSampleRate, hostBlockSize);
    restored.instance->setStateInformation(state.getData(), static_cast<int>(state.getSize()));
    deliverChanges(*restored.instance);

    for (const auto& [name, value] : settings)
        EXPECT_NEAR(findParameter(*restored.instance, name)->getValue(), value, 1e-3f) << name;
}

INSTANTIATE_TEST_SUITE_P(EachFormat, HostPrograms, testing::ValuesIn(allPluginFormats()), pluginFormatTestName);

// An LV2 host loads the bundle's presets into an instance whose preset folder is the user's: a preset of the
// user's own that lists before the factory ones must not shift what the factory ones load.
TEST(Lv2FactoryPresets, LoadTheirOwnValuesWhateverThePresetFolderHolds)
{
    const BankHome bank;
    const auto folder = BankHome::factoryBank();
    const auto userFolder = juce::File::getSpecialLocation(juce::File::userHomeDirectory)
                                .getChildFile("Quillon/Vela/Presets");
    ASSERT_TRUE(userFolder.getChildFile("000 Mine.preset").replaceWithText(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Vela><PARAM id=\"time\" value=\"1999\"/>"
        "<PARAM id=\"modType\" value=\"6\"/></Vela>\n"));

    auto plugin = loadPlugin(PluginFormat::lv2);
    ASSERT_NE(plugin.instance, nullptr) << plugin.error;
    auto& instance = *plugin.instance;
    instance.prepareToPlay(hostSampleRate, hostBlockSize);

    for (const auto* name : { "Clean Slapback", "Wide Spread" })
    {
        int k = 0;
        while (k < instance.getNumPrograms() && instance.getProgramName(k) != name)
            ++k;
        ASSERT_LT(k, instance.getNumPrograms()) << name;

        instance.setCurrentProgram(k);
        deliverChanges(instance);

        const auto preset = juce::XmlDocument::parse(folder.getChildFile(juce::String(name) + ".preset"));
        ASSERT_NE(preset, nullptr) << name;

        for (const auto& expected : expectedParameters)
        {
            const auto* element = preset->getChildByAttribute("id", expected.id);
            ASSERT_NE(element, nullptr) << name << ": " << expected.id;
            const auto value = static_cast<float>(element->getDoubleAttribute("value"));

            const auto& parameters = instance.getParameters();
            const auto found = std::find_if(parameters.begin(), parameters.end(), [&](auto* parameter) {
                auto* withId = dynamic_cast<juce::HostedAudioProcessorParameter*>(parameter);
                return withId != nullptr && withId->getParameterID() == lv2ParameterId(expected);
            });
            ASSERT_NE(found, parameters.end()) << expected.id;

            // LV2 hosts normalise linearly over the plain range.
            EXPECT_NEAR((*found)->getValue(), (value - expected.start) / (expected.end - expected.start), 1.0e-4f)
                << name << ": " << expected.id;
        }
    }
}

TEST(HostEditor, Vst3BuildOpensItsEditorAtItsSize)
{
    auto plugin = loadPlugin(PluginFormat::vst3);
    ASSERT_NE(plugin.instance, nullptr) << plugin.error;
    ASSERT_TRUE(plugin.instance->hasEditor());

    std::unique_ptr<juce::AudioProcessorEditor> editor(plugin.instance->createEditorIfNeeded());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->getWidth(), 500);
    EXPECT_EQ(editor->getHeight(), 400);
}
