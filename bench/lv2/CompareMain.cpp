// Runs Vela's LV2 build and the delays of Debian's LV2 packages over one input, interleaved in one run, and
// prints each one's CPU time per stereo frame net of the host's own, with its ratio to Vela's.
#include "PassRunner.h"
#include "Report.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
constexpr double rate = 44100.0;
constexpr float bpm = 120.0f;
constexpr double tailWindowSeconds = 10.0;

struct Options
{
    // Where Debian installs LV2 plug-ins: the user's own folders are left out, since an installed copy of Vela
    // there would stand in for the bundle under test.
    std::string peersPath = "/usr/lib/lv2:/usr/local/lib/lv2";
    std::string velaBundle = VELA_LV2_BUNDLE;
    std::string noopBundle = NOOP_LV2_BUNDLE;
    std::string floorBundle = FLOOR_LV2_BUNDLE;
    std::string passThroughBundle = PASS_THROUGH_LV2_BUNDLE;
    double seconds = 60.0;
    int rounds = 9;
    int blockSize = 512;
    bool tail = false;
};

Options parseOptions(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (arg == "--tail")
            o.tail = true;
        else if (value != nullptr && arg == "--vela-bundle")
            o.velaBundle = argv[++i];
        else if (value != nullptr && arg == "--peers-path")
            o.peersPath = argv[++i];
        else if (value != nullptr && arg == "--noop-bundle")
            o.noopBundle = argv[++i];
        else if (value != nullptr && arg == "--pass-through-bundle")
            o.passThroughBundle = argv[++i];
        else if (value != nullptr && arg == "--seconds")
            o.seconds = std::atof(argv[++i]);
        else if (value != nullptr && arg == "--rounds")
            o.rounds = std::max(1, std::atoi(argv[++i]));
        else if (value != nullptr && arg == "--block-size")
            o.blockSize = std::max(1, std::atoi(argv[++i]));
        else
        {
            std::fprintf(stderr, "usage: %s [--vela-bundle DIR] [--noop-bundle DIR] [--pass-through-bundle DIR] [--peers-path DIRS] "
                                 "[--seconds S] "
                                 "[--rounds N] [--block-size N] [--tail]\n", argv[0]);
            std::exit(2);
        }
    }
    return o;
}

std::string bundleUri(LilvWorld* world, std::string path)
{
    if (path.back() != '/')
        path += '/';
    LilvNode* uri = lilv_new_file_uri(world, nullptr, path.c_str());
    std::string text = lilv_node_as_uri(uri);
    lilv_node_free(uri);
    return text;
}

void loadBundle(LilvWorld* world, const std::string& path)
{
    LilvNode* uri = lilv_new_uri(world, bundleUri(world, path).c_str());
    lilv_world_load_bundle(world, uri);
    lilv_node_free(uri);
}

// The figures are worth nothing if another copy of a plug-in with the same URI was measured instead.
void requireBundle(LilvWorld* world, const char* pluginUri, const std::string& path)
{
    LilvNode* node = lilv_new_uri(world, pluginUri);
    const LilvPlugin* plugin = lilv_plugins_get_by_uri(lilv_world_get_all_plugins(world), node);
    lilv_node_free(node);

    const std::string wanted = bundleUri(world, path);
    const char* found = plugin != nullptr ? lilv_node_as_uri(lilv_plugin_get_bundle_uri(plugin)) : "";
    if (plugin != nullptr && wanted != found)
    {
        std::fprintf(stderr, "%s comes from %s, not from %s: remove the other copy or leave it off --peers-path\n",
                     pluginUri, found, wanted.c_str());
        std::exit(1);
    }
}

const LilvPlugin* findPlugin(LilvWorld* world, const std::string& uri)
{
    LilvNode* node = lilv_new_uri(world, uri.c_str());
    const LilvPlugin* plugin = lilv_plugins_get_by_uri(lilv_world_get_all_plugins(world), node);
    lilv_node_free(node);
    return plugin;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 == 1 ? values[mid] : 0.5 * (values[mid - 1] + values[mid]);
}

struct Field
{
    std::vector<Contender> contenders;
    std::vector<const LilvPlugin*> plugins;
};

// Drops, with a note, the peers that are not installed; the no-op and Vela must be there.
Field resolve(LilvWorld* world, std::vector<Contender> wanted)
{
    Field field;
    for (Contender& c : wanted)
    {
        const LilvPlugin* plugin = findPlugin(world, c.uri);
        const bool peer = c.role == Role::peer || c.role == Role::lighterPeer;
        if (plugin == nullptr && peer)
        {
            std::printf("not installed, left out: %s (%s)\n", c.name.c_str(), c.uri.c_str());
            continue;
        }
        if (plugin == nullptr)
        {
            std::fprintf(stderr, "cannot find %s: build it, or name its bundle\n", c.uri.c_str());
            std::exit(1);
        }
        field.contenders.push_back(std::move(c));
        field.plugins.push_back(plugin);
    }
    return field;
}

// Every contender once per round, each round starting one further along, so that drifts in the machine's load
// fall on all of them alike.
std::vector<std::vector<PassTimes>> runRounds(PassRunner& runner, const Field& field, const StereoSignal& signal,
                                              int rounds, size_t windowFrames)
{
    const size_t count = field.contenders.size();
    std::vector<std::vector<PassTimes>> times(count);
    for (int r = 0; r < rounds; ++r)
        for (size_t j = 0; j < count; ++j)
        {
            const size_t k = (j + static_cast<size_t>(r)) % count;
            times[k].push_back(runner.run(field.plugins[k], field.contenders[k], signal, windowFrames));
        }
    return times;
}

double medianNsPerFrame(const std::vector<PassTimes>& passes, size_t frames)
{
    std::vector<double> seconds;
    for (const PassTimes& p : passes)
        seconds.push_back(p.cpuSeconds);
    return median(seconds) * 1e9 / static_cast<double>(frames);
}

double medianWindowNsPerFrame(const std::vector<PassTimes>& passes, size_t window)
{
    std::vector<double> values;
    for (const PassTimes& p : passes)
        values.push_back(p.windows[window].cpuSeconds * 1e9 / static_cast<double>(p.windows[window].frames));
    return median(values);
}

int compare(LilvWorld* world, PassRunner& runner, const Options& o)
{
    const Field field = resolve(world, comparisonContenders());
    const StereoSignal signal = makeTestSignal(o.seconds, rate);
    std::printf("%zu plug-in settings, %.0f s of stereo at %.0f Hz in blocks of %d, %d interleaved rounds; "
                "median CPU time per stereo frame\n", field.contenders.size(), o.seconds, rate, o.blockSize, o.rounds);

    const auto times = runRounds(runner, field, signal, o.rounds, 0);
    std::printf("\n"); // after whatever the plug-ins printed
    const double host = medianNsPerFrame(times[0], signal.frames());

    std::vector<Cost> costs;
    bool silent = false;
    for (size_t k = 0; k < times.size(); ++k)
    {
        const double rms = times[k].front().outputRms;
        costs.push_back({ &field.contenders[k], medianNsPerFrame(times[k], signal.frames()) - host, rms });
        silent = silent || ! (rms > 0.0);
    }
    printComparison(costs, host);

    // A plug-in that made no sound was not measured doing its work.
    if (silent)
        std::fprintf(stderr, "a plug-in gave silence or worse: its figure does not count\n");
    return silent ? 1 : 0;
}

int tail(LilvWorld* world, PassRunner& runner, const Options& o)
{
    std::vector<Contender> wanted { comparisonContenders().front() };
    for (float feedback : { 50.0f, 90.0f, 99.0f })
        wanted.push_back(velaWithFeedback(feedback));
    const Field field = resolve(world, wanted);

    const StereoSignal signal = withSilence(makeTestSignal(o.seconds, rate), o.seconds, rate);
    std::printf("%.0f s of input, then %.0f s of silence; %d interleaved rounds\n", o.seconds, o.seconds, o.rounds);
    const auto times = runRounds(runner, field, signal, o.rounds, static_cast<size_t>(tailWindowSeconds * rate));
    std::printf("\n");

    const size_t last = times[0].front().windows.size() - 1;
    std::vector<TailCost> costs;
    for (size_t k = 1; k < times.size(); ++k)
        costs.push_back({ field.contenders[k].name,
                          medianWindowNsPerFrame(times[k], 0) - medianWindowNsPerFrame(times[0], 0),
                          medianWindowNsPerFrame(times[k], last) - medianWindowNsPerFrame(times[0], last) });
    printTail(costs, tailWindowSeconds);
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    const Options o = parseOptions(argc, argv);

    setenv("LV2_PATH", o.peersPath.c_str(), 1);
    LilvWorld* world = lilv_world_new();
    lilv_world_load_all(world);
    loadBundle(world, o.velaBundle);
    loadBundle(world, o.noopBundle);
    loadBundle(world, o.floorBundle);
    loadBundle(world, o.passThroughBundle);
    requireBundle(world, velaUri, o.velaBundle);
    requireBundle(world, noopUri, o.noopBundle);
    requireBundle(world, floorUri, o.floorBundle);
    requireBundle(world, passThroughUri, o.passThroughBundle);

    UridMap urids;
    PassRunner runner(world, urids, rate, o.blockSize, bpm);
    const int status = o.tail ? tail(world, runner, o) : compare(world, runner, o);

    lilv_world_free(world);
    return status;
}
