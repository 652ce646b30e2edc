// Tap sequences on a fake clock: the taps' times go in, the time parameter (or the app's tempo) comes out.
#include "LumJuceParameter.h"
#include "ChoiceValues.h"
#include "GestureLog.h"
#include "PluginProcessor.h"
#include "StandaloneProcessor.h"
#include "TempoPlayHead.h"
#include "TemporaryHome.h"
#include "TimeTapper.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace
{
enum class Where
{
    host,
    app
};

// The sync mode a case taps in; no mode, the time runs free.
using Sync = std::optional<SyncMode>;
constexpr Sync notSynced {};
constexpr Sync normal = SyncMode::normal;
constexpr Sync dotted = SyncMode::dotted;
constexpr Sync triplet = SyncMode::triplet;

class TapSequence : public ::testing::Test
{
protected:
    void set(VelaAudioProcessor& processor, const char* id, float realValue)
    {
        auto* p = processor.valueTreeState.getParameter(id);
        p->setValueNotifyingHost(p->convertTo0to1(realValue));
    }

    // One block with the host's tempo, which the processor keeps as the tempo it syncs to.
    void hostPlays(VelaAudioProcessor& processor, double bpm)
    {
        TempoPlayHead head;
        head.bpm = bpm;
        processor.setPlayHead(&head);
        processor.prepareToPlay(44100.0, 64);
        juce::AudioBuffer<float> buffer(2, 64);
        buffer.clear();
        juce::MidiBuffer midi;
        processor.processBlock(buffer, midi);
        processor.setPlayHead(nullptr);
    }

    TemporaryHome home;
};
} // namespace

TEST_F(TapSequence, TimesOfTapsGiveTheTimeOrTheAppsTempo)
{
    struct Case
    {
        const char* name;
        Where where;
        Sync sync;
        double hostBpm;
        float timeBefore;
        std::vector<double> tapsMs;
        float timeAfter;
        int gestures;
        std::optional<float> appTempoAfter; // also what the knob shows after the last tap
    };

    // At 120 bpm a Normal 1/32 ... 1/1 lasts 62.5, 125, 250, 500, 1000, 2000 ms; Dotted 1.5 times, Triplet 2/3.
    const Case cases[] = {
        { "a single tap changes nothing", Where::host, notSynced, 120, 250, { 1000 }, 250, 0, {} },
        { "two taps give their interval", Where::host, notSynced, 120, 250, { 0, 400 }, 400, 1, {} },
        { "the mean of the last four intervals", Where::host, notSynced, 120, 250, { 0, 300, 600, 1000, 1400, 1800 }, 375, 5, {} },
        { "±10 ms of jitter averaged out", Where::host, notSynced, 120, 250, { 0, 510, 1000, 1510, 2000 }, 500, 4, {} },
        { "a fraction of a millisecond rounds", Where::host, notSynced, 120, 250, { 0, 333.6 }, 334, 1, {} },
        { "a pause longer than 2 s starts again", Where::host, notSynced, 120, 250, { 0, 300, 2301, 2801 }, 500, 2, {} },
        { "a pause of 2 s is the longest time", Where::host, notSynced, 120, 250, { 0, 2000 }, 2000, 1, {} },
        { "10 ms is the shortest time", Where::host, notSynced, 120, 250, { 0, 10, 20 }, 10, 2, {} },
        { "a bounce under 10 ms starts again", Where::host, notSynced, 120, 250, { 0, 400, 405, 705 }, 300, 2, {} },
        { "synced: the closest note", Where::host, normal, 120, 2, { 0, 400 }, 4, 1, {} },
        { "synced: the host's tempo decides", Where::host, normal, 100, 2, { 0, 400 }, 3, 1, {} },
        { "synced: the closest note over four intervals", Where::host, normal, 120, 2, { 0, 990, 2000, 2990, 4000 }, 5, 4, {} },
        { "synced: a tie goes to the longer note", Where::host, normal, 120, 2, { 0, 375 }, 4, 1, {} },
        { "synced: beyond the longest note, the longest", Where::host, normal, 240, 2, { 0, 1800 }, 6, 1, {} },
        { "synced: below the shortest note, the shortest", Where::host, normal, 120, 4, { 0, 20 }, 1, 1, {} },
        { "synced: dotted notes", Where::host, dotted, 120, 2, { 0, 740 }, 4, 1, {} },
        { "synced: triplet notes", Where::host, triplet, 90, 2, { 0, 900 }, 5, 1, {} },
        { "synced: a single tap changes nothing", Where::host, normal, 120, 3, { 0 }, 3, 0, {} },
        { "app, free: the time as in a host", Where::app, notSynced, 0, 250, { 0, 400 }, 400, 1, 120.0f },
        { "app, synced: the taps are beats and set its tempo", Where::app, dotted, 0, 3, { 0, 600, 1200 }, 3, 0, 100.0f },
        { "app, synced: a single tap shows the tempo, changing nothing", Where::app, normal, 0, 3, { 0 }, 3, 0, 120.0f },
        { "app, synced: whole beats per minute", Where::app, normal, 0, 3, { 0, 510, 1000, 1490 }, 3, 0, 121.0f },
        { "app, synced: no faster than 300 bpm", Where::app, normal, 0, 3, { 0, 100 }, 3, 0, 300.0f },
        { "app, synced: no slower than 30 bpm", Where::app, normal, 0, 3, { 0, 2000 }, 3, 0, 30.0f },
    };

    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        home.forgetSettings();
        auto processor = c.where == Where::app ? makeStandaloneProcessor() : std::make_unique<VelaAudioProcessor>();
        if (c.where == Where::host)
            hostPlays(*processor, c.hostBpm);

        set(*processor, "syncTempo", c.sync ? 1.0f : 0.0f);
        set(*processor, "syncMode", hostValue(c.sync.value_or(SyncMode::normal)));
        set(*processor, "time", c.timeBefore);

        GestureLog timeLog(*processor->valueTreeState.getParameter("time"));
        TimeTapper tapper(*processor);
        std::optional<float> shown;
        for (double t : c.tapsMs)
            shown = tapper.tap(t);

        EXPECT_EQ(LumJuceParameter::plainValue(processor->valueTreeState, "time"), c.timeAfter);
        EXPECT_EQ(timeLog.gestures(), c.gestures);
        EXPECT_EQ(timeLog.changesOutsideGestures(), 0);

        if (c.where == Where::app)
        {
            EXPECT_EQ(processor->syncedTempo(), *c.appTempoAfter);
            EXPECT_EQ(shown, c.sync == notSynced ? std::nullopt : c.appTempoAfter);
        }
        else
        {
            EXPECT_EQ(shown, std::nullopt);
        }
    }
}
