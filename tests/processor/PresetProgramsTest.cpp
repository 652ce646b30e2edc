#include "LumJuceParameter.h"
#include "PluginProcessor.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

#include <utility>

namespace
{
// A preset whose "time" tells which file was loaded.
juce::String presetText(int time, const char* root = "Vela")
{
    return juce::String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<") + root + "><PARAM id=\"time\" value=\""
           + juce::String(time) + "\"/></" + root + ">\n";
}

// What hosts hear about the programs: their list, or which one is current.
struct HostWatch : juce::AudioProcessorListener
{
    void audioProcessorParameterChanged(juce::AudioProcessor*, int, float) override {}
    void audioProcessorChanged(juce::AudioProcessor*, const ChangeDetails& details) override
    {
        programChanges += details.programChanged ? 1 : 0;
    }

    // Whether hosts were told anything since the last call; they are told from the message thread, soon after.
    bool told()
    {
        juce::MessageManager::getInstance()->runDispatchLoopUntil(80);
        return std::exchange(programChanges, 0) > 0;
    }

    int programChanges = 0;
};

class PresetPrograms : public ::testing::Test
{
protected:
    void addPreset(const juce::String& fileName, const juce::String& content)
    {
        const auto file = home.presetFolder().getChildFile(fileName);
        file.getParentDirectory().createDirectory();
        ASSERT_TRUE(file.replaceWithText(content));
    }

    float time() { return LumJuceParameter::plainValue(processor->valueTreeState, "time"); }

    void setTime(float value)
    {
        auto* p = processor->valueTreeState.getParameter("time");
        p->setValueNotifyingHost(p->convertTo0to1(value));
    }

    void restoreOwnState()
    {
        juce::MemoryBlock state;
        processor->getStateInformation(state);
        processor->setStateInformation(state.getData(), static_cast<int>(state.getSize()));
    }

    void touchFeedback()
    {
        auto* p = processor->valueTreeState.getParameter("feedback");
        p->setValueNotifyingHost(p->getValue() > 0.5f ? 0.1f : 0.9f);
    }

    // Created after the presets, as a host would find them.
    VelaAudioProcessor& createProcessor()
    {
        processor = std::make_unique<VelaAudioProcessor>();
        processor->getNumPrograms();
        processor->addListener(&host);
        return *processor;
    }

    TemporaryHome home;
    HostWatch host;
    std::unique_ptr<VelaAudioProcessor> processor;
};
} // namespace

TEST_F(PresetPrograms, FolderLiesInThePerUserSettingsLocation)
{
    addPreset("Init.preset", presetText(250));
    createProcessor();
    EXPECT_EQ(processor->getAllPrograms()[0].getParentDirectory(), home.presetFolder());
}

TEST_F(PresetPrograms, ListingOrder)
{
    struct Case
    {
        const char* name;
        juce::StringArray files;
        juce::StringArray listed;
    };

    const Case cases[] = {
        { "Init first, then by name", { "Beta.preset", "Init.preset", "Alpha.preset" }, { "Init", "Alpha", "Beta" } },
        { "case is ignored", { "beta.preset", "Alpha.preset", "Charlie.preset" }, { "Alpha", "beta", "Charlie" } },
        { "numbers in natural order", { "Take 10.preset", "Take 2.preset", "Take 1.preset" },
          { "Take 1", "Take 2", "Take 10" } },
        { "lower-case init has no special place", { "Alpha.preset", "init.preset", "Zed.preset" },
          { "Alpha", "init", "Zed" } },
        { "hidden files are listed under their own name", { "Init.preset", "._Init.preset", "Bass.preset" },
          { "Init", "._Init", "Bass" } },
        { "names with dots keep all but the extension", { "My.Sound.preset", "A.preset" }, { "A", "My.Sound" } },
        { "only *.preset files", { "Init.txt", "Notes.preset.bak", "Keep.preset" }, { "Keep" } },
        { "names equal but for case still have one order", { "b.preset", "B.preset", "a.preset" },
          { "a", "B", "b" } },
    };

    for (const Case& c : cases)
    {
        home.presetFolder().deleteRecursively();
        for (const auto& file : c.files)
            addPreset(file, presetText(100));
        home.presetFolder().getChildFile("More.preset").createDirectory();
        addPreset("Sub/Deep.preset", presetText(100));

        createProcessor();
        EXPECT_EQ(processor->getAllProgramsNames(), c.listed) << c.name;
        EXPECT_EQ(processor->getNumPrograms(), c.listed.size()) << c.name;
        for (int i = 0; i < c.listed.size(); ++i)
            EXPECT_EQ(processor->getProgramName(i), c.listed[i]) << c.name;
    }
}

TEST_F(PresetPrograms, HostProgramKLoadsPresetK)
{
    addPreset("Init.preset", presetText(250));
    addPreset("Alpha.preset", presetText(300));
    addPreset("Beta.preset", presetText(400));
    createProcessor();

    EXPECT_EQ(processor->getCurrentProgram(), -1) << "nothing loaded yet";

    for (int k : { 2, 0, 1 })
    {
        processor->setCurrentProgram(k);
        EXPECT_EQ(time(), 250.0f + 50.0f * static_cast<float>(k) + (k == 2 ? 50.0f : 0.0f)) << k;
        EXPECT_EQ(processor->getCurrentProgram(), k);
    }

    EXPECT_EQ(processor->getProgramName(-1), "");
    EXPECT_EQ(processor->getProgramName(3), "");
}

// A refused file leaves the sound, the current program and the hosts as they were, and says why.
TEST_F(PresetPrograms, RefusedPresetsChangeNothing)
{
    addPreset("A Broken.preset", "this is not xml <<<");
    addPreset("B Other.preset", presetText(600, "Other"));
    addPreset("C Empty.preset", "");
    addPreset("D Good.preset", presetText(700));
    createProcessor();
    processor->setCurrentProgram(3);
    host.told();

    // Program 7 has no file, so nothing to say about one.
    const std::pair<int, const char*> refused[] = { { 0, "not well-formed" }, { 1, "not a Vela preset" },
                                                    { 2, "empty" }, { 7, nullptr } };
    for (const auto& [k, why] : refused)
    {
        processor->setCurrentProgram(k);
        EXPECT_EQ(time(), 700.0f) << "program " << k << " leaves the state as it was";
        EXPECT_EQ(processor->getCurrentProgram(), 3) << k;
        EXPECT_FALSE(host.told()) << k;
        const auto problem = processor->programProblem(k);
        if (why == nullptr)
            EXPECT_TRUE(problem.isEmpty()) << k << ": " << problem;
        else
            EXPECT_TRUE(problem.contains(why)) << k << ": " << problem;
    }
    EXPECT_EQ(processor->programProblem(3), "");

    processor->setCurrentProgram(-1);
    EXPECT_EQ(processor->getCurrentProgram(), 3) << "a negative program selects nothing";
}

TEST_F(PresetPrograms, HugePresetFilesAreNotRead)
{
    juce::String huge = presetText(900);
    huge << juce::String::repeatedString("<!-- padding -->", 100000);
    addPreset("Huge.preset", huge);
    createProcessor();

    processor->setCurrentProgram(0);
    EXPECT_EQ(time(), 250.0f);
}

TEST_F(PresetPrograms, AnyAnnouncedChangeMarksTheProgramModified)
{
    addPreset("Init.preset", presetText(250));
    addPreset("Slow.preset", presetText(1500));
    createProcessor();

    processor->setCurrentProgram(1);
    ASSERT_EQ(processor->getCurrentProgram(), 1);
    touchFeedback();
    EXPECT_EQ(processor->getCurrentProgram(), -1);

    processor->setCurrentProgram(1);
    juce::MemoryBlock state;
    processor->getStateInformation(state);
    processor->setStateInformation(state.getData(), static_cast<int>(state.getSize()));
    EXPECT_EQ(processor->getCurrentProgram(), 1) << "a restore that changes nothing keeps the program";

    processor->setCurrentProgram(0);
    processor->setStateInformation(state.getData(), static_cast<int>(state.getSize()));
    EXPECT_EQ(processor->getCurrentProgram(), -1) << "a restore that changes a value does not";
}

// A missing folder gets the factory bank on first open; this one cannot be made, as in a home the plug-in may not
// write to: a file stands where the product's folder would be.
TEST_F(PresetPrograms, NoFolderMeansNoPrograms)
{
    const auto productFolder = home.presetFolder().getParentDirectory();
    ASSERT_TRUE(productFolder.deleteRecursively());
    ASSERT_TRUE(productFolder.replaceWithText(""));
    ASSERT_FALSE(home.presetFolder().exists());

    createProcessor();
    EXPECT_FALSE(home.presetFolder().exists());
    EXPECT_EQ(processor->getNumPrograms(), 0);
    EXPECT_TRUE(processor->getAllProgramsNames().isEmpty());
    EXPECT_EQ(processor->getProgramName(0), "");

    processor->setCurrentProgram(2);
    EXPECT_EQ(processor->getCurrentProgram(), -1);
    EXPECT_EQ(time(), 250.0f);
}

TEST_F(PresetPrograms, PresetFileFormat)
{
    createProcessor();
    auto* time = processor->valueTreeState.getParameter("time");
    time->setValueNotifyingHost(time->convertTo0to1(480.0f));

    const auto file = home.folder.getChildFile("Saved.preset");
    ASSERT_TRUE(processor->writePresetFile(file));

    const auto text = file.loadFileAsString();
    EXPECT_TRUE(text.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<Vela>\r\n"
                                "  <PARAM id=\"time\" value=\"480\"/>\r\n  <PARAM id=\"feedback\" value=\"50\"/>\r\n"))
        << text;
    EXPECT_TRUE(text.endsWith("  <PARAM id=\"bypassDelay\" value=\"0\"/>\r\n  <PARAM id=\"pingPong\" value=\"0\"/>\r\n"
                              "  <PARAM id=\"duck\" value=\"0\"/>\r\n</Vela>\r\n"))
        << text;

    TemporaryHome otherHome;
    VelaAudioProcessor other;
    ASSERT_TRUE(other.loadPresetFile(file));
    EXPECT_EQ(LumJuceParameter::plainValue(other.valueTreeState, "time"), 480.0f);
}

// Another instance or a sync tool writes into the folder between two queries of one host.
TEST_F(PresetPrograms, HostQueriesAgreeUntilTheNextRefresh)
{
    addPreset("Init.preset", presetText(250));
    addPreset("Beta.preset", presetText(400));
    createProcessor();
    processor->setCurrentProgram(1);

    const int count = processor->getNumPrograms();
    addPreset("Alpha.preset", presetText(300));
    EXPECT_EQ(processor->getNumPrograms(), count);
    EXPECT_EQ(processor->getProgramName(1), "Beta");
    EXPECT_EQ(processor->getProgramName(2), "");
    processor->setCurrentProgram(1);
    EXPECT_EQ(time(), 400.0f);
    host.told();

    processor->refreshPrograms();
    EXPECT_EQ(processor->getAllProgramsNames(), (juce::StringArray { "Init", "Alpha", "Beta" }));
    EXPECT_EQ(processor->getNumPrograms(), 3);
    EXPECT_EQ(processor->getCurrentProgram(), 2) << "the current program follows its file";
    EXPECT_TRUE(host.told());

    processor->refreshPrograms();
    EXPECT_FALSE(host.told()) << "an unchanged folder is no news";

    home.presetFolder().getChildFile("Beta.preset").deleteFile();
    restoreOwnState();
    EXPECT_EQ(processor->getAllProgramsNames(), (juce::StringArray { "Init", "Alpha" })) << "a restore lists again";
    EXPECT_EQ(processor->getCurrentProgram(), -1) << "the current program's file is gone";
    EXPECT_TRUE(host.told());
}

TEST_F(PresetPrograms, SavedPresetsJoinTheListAsTheCurrentProgram)
{
    addPreset("Init.preset", presetText(250));
    addPreset("Take 10.preset", presetText(300));
    createProcessor();

    setTime(777.0f);
    ASSERT_TRUE(processor->saveProgram("Take 2"));
    EXPECT_EQ(processor->getAllProgramsNames(), (juce::StringArray { "Init", "Take 2", "Take 10" }));
    EXPECT_EQ(processor->getCurrentProgram(), 1);
    EXPECT_EQ(processor->getNumPrograms(), 3);
    EXPECT_TRUE(host.told());

    const auto written = home.folder.getChildFile("Written.preset");
    ASSERT_TRUE(processor->writePresetFile(written));
    EXPECT_EQ(home.presetFolder().getChildFile("Take 2.preset").loadFileAsString(), written.loadFileAsString())
        << "saved through the preset writer";

    setTime(555.0f);
    ASSERT_TRUE(processor->saveProgram("Take 10"));
    EXPECT_EQ(processor->getNumPrograms(), 3) << "a name in use replaces that preset";
    EXPECT_EQ(processor->getCurrentProgram(), 2);
    EXPECT_TRUE(host.told());
    processor->setCurrentProgram(1);
    processor->setCurrentProgram(2);
    EXPECT_EQ(time(), 555.0f);
    host.told();

    ASSERT_TRUE(processor->deleteProgram(2));
    EXPECT_EQ(processor->getAllProgramsNames(), (juce::StringArray { "Init", "Take 2" }));
    EXPECT_EQ(processor->getCurrentProgram(), -1);
    EXPECT_TRUE(host.told());

    ASSERT_TRUE(processor->deleteProgram(0)) << "factory presets can go too";
    EXPECT_EQ(processor->getAllProgramsNames(), (juce::StringArray { "Take 2" }));
    EXPECT_FALSE(processor->deleteProgram(1));
    EXPECT_FALSE(processor->deleteProgram(-1));
    EXPECT_TRUE(host.told());

    for (const char* name : { "", "  ", "a/b", "a\\b", ".hidden", "..", "../Escape" })
    {
        EXPECT_FALSE(processor->saveProgram(name)) << name;
        EXPECT_FALSE(LumJucePresetFolder::nameProblem(name).isEmpty()) << name;
    }
    EXPECT_EQ(processor->getAllProgramsNames(), (juce::StringArray { "Take 2" }));
    EXPECT_EQ(home.folder.findChildFiles(juce::File::findFiles, true, "*.preset").size(), 2) << "nothing written";
    EXPECT_FALSE(host.told());
}

// The folder removed while the plug-in is open, after the first open has found it.
TEST_F(PresetPrograms, SavingCreatesTheFolder)
{
    createProcessor();
    ASSERT_TRUE(home.presetFolder().deleteRecursively());
    ASSERT_FALSE(home.presetFolder().exists());

    ASSERT_TRUE(processor->saveProgram("First"));
    EXPECT_TRUE(home.presetFolder().getChildFile("First.preset").existsAsFile());
    EXPECT_EQ(processor->getAllProgramsNames(), juce::StringArray { "First" });
    EXPECT_EQ(processor->getCurrentProgram(), 0);
}

// Every listed program keeps its values in memory, so the list has a bound: presets past it are left out.
TEST_F(PresetPrograms, TheListStopsAtItsBound)
{
    constexpr int bound = LumJuceProgramList::mostPrograms;
    for (int i = 0; i < bound + 3; ++i)
        addPreset(juce::String::formatted("P%05d.preset", i), presetText(100 + i % 1000));
    createProcessor();

    EXPECT_EQ(processor->getNumPrograms(), bound);
    EXPECT_EQ(processor->getProgramName(bound - 1), juce::String::formatted("P%05d", bound - 1));
    processor->setCurrentProgram(bound - 1);
    EXPECT_EQ(time(), 100.0f + static_cast<float>((bound - 1) % 1000));
}

// A program change keeps the numbers of its file: the state saved after it is the state saved after restoring the
// file, whichever program came before.
TEST_F(PresetPrograms, AProgramSavesTheStateItsFileGives)
{
    const juce::File bank { VELA_FACTORY_PRESETS_DIR };
    ASSERT_TRUE(home.presetFolder().createDirectory());
    for (const auto& file : bank.findChildFiles(juce::File::findFiles, false, "*.preset"))
        ASSERT_TRUE(file.copyFileTo(home.presetFolder().getChildFile(file.getFileName())));
    // Numbers a person may type, which a float holds only approximately.
    addPreset("Typed.preset", "<Vela><PARAM id=\"modFreq\" value=\"0.3\"/><PARAM id=\"time\" value=\"333.3\"/>"
                              "<PARAM id=\"feedback\" value=\"12.34\"/></Vela>");
    createProcessor();

    const auto names = processor->getAllProgramsNames();
    for (int k = 0; k < names.size(); ++k)
    {
        processor->setCurrentProgram((k + 5) % names.size());
        processor->setCurrentProgram(k);
        juce::MemoryBlock afterProgram;
        processor->getStateInformation(afterProgram);

        VelaAudioProcessor fresh;
        ASSERT_TRUE(fresh.loadPresetFile(home.presetFolder().getChildFile(names[k] + ".preset")));
        juce::MemoryBlock afterFile;
        fresh.getStateInformation(afterFile);
        EXPECT_EQ(afterProgram.toString(), afterFile.toString()) << names[k];
    }
}
