// --list-params is read by scripts: one line per parameter on stdout, fields separated by tabs.
#include "ToolProcess.h"

#include <gtest/gtest.h>

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
                                         "modRouting",  "syncTempo",  "syncMode",  "bypassDelay" };
    const auto lines = tabSeparatedLines(run.out);
    ASSERT_EQ(lines.size(), ids.size()) << run.out;

    for (size_t i = 0; i < ids.size(); ++i)
    {
        ASSERT_GE(lines[i].size(), 5u) << "line " << i;
        EXPECT_EQ(lines[i][0], std::to_string(i));
        EXPECT_EQ(lines[i][1], ids[i]);
    }
}

TEST(ListParams, ShowsNamesRangesDefaultsAndChoiceTexts)
{
    const auto lines = tabSeparatedLines(runRenderTool({ "--list-params" }).out);
    ASSERT_EQ(lines.size(), 14u);

    using Fields = std::vector<std::string>;
    EXPECT_EQ(lines[0], (Fields { "0", "time", "Time", "0..2000 step 1", "default 250" }));
    EXPECT_EQ(lines[3], (Fields { "3", "lowpass", "Lowpass", "10..20000 step 0.1 skew 0.5", "default 15000" }));
    EXPECT_EQ(lines[9], (Fields { "9", "modType", "Mod Type", "0..6 step 1", "default 0",
                                  "choices Chorus|Vibrato|Flanger|Pan|Phaser|Tremolo|Delay" }));
    EXPECT_EQ(lines[11], (Fields { "11", "syncTempo", "Tempo Sync", "0..1 step 1", "default 0", "choices Off|On" }));
}
} // namespace
