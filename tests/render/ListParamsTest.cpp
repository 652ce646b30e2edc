// --list-params is read by scripts: one line per parameter on stdout, fields separated by tabs.
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <juce_core/juce_core.h>

#include <sstream>

namespace
{
std::vector<std::vector<std::string>> tabSeparatedLines(const std::string& text)
{
    std::vector<std::vector<std::string>> lines;
    std::istringstream input(text);

    for (std::string line; std::getline(input, line);)
    {
        std::vector<std::string> fields;
        std::istringstream fieldInput(line);

        for (std::string field; std::getline(fieldInput, field, '\t');)
            fields.push_back(field);

        lines.push_back(fields);
    }

    return lines;
}

TEST(ListParams, ListsEveryParameterInHostOrder)
{
    const auto run = runRenderTool({ "--list-params" });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");

    const std::vector<std::string> ids { "time",        "feedback",   "spread",    "lowpass",  "highpass",
                                         "mix",         "modAmount",  "modFreq",   "modFeedback", "modType",
                                         "modRouting",  "syncTempo",  "syncMode",  "bypassDelay", "pingPong",
                                         "duck" };
    const auto lines = tabSeparatedLines(run.out);
    ASSERT_EQ(lines.size(), ids.size()) << run.out;

    for (size_t i = 0; i < ids.size(); ++i)
    {
        ASSERT_GE(lines[i].size(), 5u) << "line " << i;
        EXPECT_EQ(lines[i][0], std::to_string(i));
        EXPECT_EQ(lines[i][1], ids[i]);
    }
}

TEST(ListParams, ShowsNamesRangesDefaultsUnitsAndChoiceTexts)
{
    const auto lines = tabSeparatedLines(runRenderTool({ "--list-params" }).out);
    ASSERT_EQ(lines.size(), 16u);

    using Fields = std::vector<std::string>;
    EXPECT_EQ(lines[0], (Fields { "0", "time", "Time", "0..2000 step 1", "default 250", "unit ms" }));
    EXPECT_EQ(lines[3],
              (Fields { "3", "lowpass", "Lowpass", "10..20000 step 0.1 skew 0.5", "default 15000", "unit Hz" }));
    EXPECT_EQ(lines[9], (Fields { "9", "modType", "Mod Type", "0..6 step 1", "default 0",
                                  "choices Chorus|Vibrato|Flanger|Pan|Phaser|Tremolo|Delay" }));
    EXPECT_EQ(lines[11], (Fields { "11", "syncTempo", "Tempo Sync", "0..1 step 1", "default 0", "choices Off|On" }));
}
// The README's table of parameters, one row of cells per parameter, without the bars around them.
std::vector<std::vector<std::string>> readmeParameterRows()
{
    const auto lines = juce::StringArray::fromLines(juce::File(VELA_README).loadFileAsString());
    std::vector<std::vector<std::string>> rows;
    for (int i = lines.indexOf("## Parameters") + 1; i > 0 && i < lines.size() && ! lines[i].startsWith("## "); ++i)
    {
        if (! lines[i].startsWith("| `"))
            continue;

        auto cells = juce::StringArray::fromTokens(lines[i].substring(1, lines[i].lastIndexOf("|")), "|", "");
        cells.trim();
        std::vector<std::string> row;
        for (const auto& cell : cells)
            row.push_back(cell.toStdString());
        rows.push_back(row);
    }
    return rows;
}
} // namespace

// The README's table says what the tool lists: id, name, range with its unit or the list's texts, default.
TEST(ListParams, TheReadmeTableAgreesWithTheList)
{
    const auto listed = tabSeparatedLines(runRenderTool({ "--list-params" }).out);
    const auto readme = readmeParameterRows();
    ASSERT_EQ(readme.size(), listed.size());

    for (size_t i = 0; i < listed.size(); ++i)
    {
        const auto& fields = listed[i];
        const auto& cells = readme[i];
        ASSERT_EQ(fields.size(), 6u);
        ASSERT_EQ(cells.size(), 4u) << "README row " << i;
        EXPECT_EQ(cells[0], "`" + fields[1] + "`");
        EXPECT_EQ(cells[1], fields[2]);

        const auto range = juce::String(fields[3]).upToFirstOccurrenceOf(" step", false, false);
        const auto start = range.upToFirstOccurrenceOf("..", false, false);
        const auto end = range.fromFirstOccurrenceOf("..", false, false);
        const auto defaultValue = juce::String(fields[4]).fromFirstOccurrenceOf("default ", false, false);
        const juce::String last(fields[5]);

        if (last.startsWith("choices "))
        {
            const auto texts =
                juce::StringArray::fromTokens(last.fromFirstOccurrenceOf("choices ", false, false), "|", "");
            EXPECT_EQ(cells[2], texts.joinIntoString(", ").toStdString()) << fields[1];
            EXPECT_EQ(cells[3], texts[defaultValue.getIntValue()].toStdString()) << fields[1];
        }
        else
        {
            // A note may follow the range in brackets.
            const auto expected = start + " to " + end + " " + last.fromFirstOccurrenceOf("unit ", false, false);
            EXPECT_TRUE(cells[2] == expected.toStdString() || juce::String(cells[2]).startsWith(expected + " ("))
                << fields[1] << ": " << cells[2] << ", not " << expected;
            EXPECT_EQ(cells[3], defaultValue.toStdString()) << fields[1];
        }
    }
}
