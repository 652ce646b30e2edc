// Soak through the wrappers: 32 instances of the built VST3 and 32 of the built LV2 in one process, loaded by
// JUCE's hosting classes, play a fixed number of blocks on an audio thread that automates a parameter of one
// instance per block, while the message thread changes programs and gets and sets state. It reports what a host
// pays: heap, lock and file calls inside processing, blocks with a non-finite sample, the 99.9th percentile of the time one
// instance's block and one pass over all instances take against the block's period, and resident memory per
// instance. Not a test: the figures depend on the machine and on what else runs.
#include "BankHome.h"
#include "HostedPlugin.h"
#include "RealTimeWatch.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{
constexpr int instancesPerFormat = 32;
constexpr int passes = 2000;
constexpr double blockPeriodMs = 1000.0 * hostBlockSize / hostSampleRate;

double residentMegabytes()
{
    long pages = 0, resident = 0;
    if (auto* statm = std::fopen("/proc/self/statm", "r"))
    {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<size_t>(fraction * static_cast<double>(values.size())))];
}

struct Loaded
{
    PluginFormat format;
    std::vector<HostedPlugin> plugins;
    double megabytesPerInstance = 0.0;
};

Loaded loadInstances(PluginFormat format)
{
    Loaded loaded { format, {}, 0.0 };
    const double before = residentMegabytes();
    for (int i = 0; i < instancesPerFormat; ++i)
    {
        auto plugin = loadPlugin(format);
        if (plugin.instance == nullptr)
        {
            std::fprintf(stderr, "%s: %s\n", pluginFormatName(format).c_str(), plugin.error.toRawUTF8());
            std::exit(1);
        }
        plugin.instance->prepareToPlay(hostSampleRate, hostBlockSize);
        loaded.plugins.push_back(std::move(plugin));
    }
    loaded.megabytesPerInstance = (residentMegabytes() - before) / instancesPerFormat;
    return loaded;
}

struct Figures
{
    // Per format, in the order loaded: in the first pass, where the host and wrapper may set up what later
    // blocks reuse, and in all the others.
    std::vector<RealTimeWatch::Counts> firstPass;
    std::vector<RealTimeWatch::Counts> afterFirstPass;
    long nonFiniteBlocks = 0;
    std::vector<double> blockMs;
    std::vector<double> passMs;
};

// The audio thread: every instance once per pass, one automated parameter per block.
void play(std::vector<juce::AudioPluginInstance*>& instances, Figures& figures)
{
    figures.afterFirstPass.assign(instances.size() / instancesPerFormat, {});
    figures.firstPass = figures.afterFirstPass;
    juce::AudioBuffer<float> buffer(2, hostBlockSize);
    juce::MidiBuffer midi;
    std::mt19937 random(7);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    figures.blockMs.reserve(instances.size() * passes);
    figures.passMs.reserve(passes);

    using Clock = std::chrono::steady_clock;
    for (int pass = 0; pass < passes; ++pass)
    {
        const auto passStart = Clock::now();
        for (size_t i = 0; i < instances.size(); ++i)
        {
            auto* instance = instances[i];
            const auto& parameters = instance->getParameters();
            parameters[static_cast<int>(random() % static_cast<unsigned>(parameters.size()))]->setValueNotifyingHost(unit(random));

            for (int channel = 0; channel < 2; ++channel)
                for (int n = 0; n < hostBlockSize; ++n)
                    buffer.setSample(channel, n, 0.5f * unit(random) - 0.25f);

            const auto start = Clock::now();
            RealTimeWatch::Counts counts;
            {
                RealTimeWatch::Scope watch;
                instance->processBlock(buffer, midi);
                counts = watch.counts();
            }
            figures.blockMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            auto& sum = (pass == 0 ? figures.firstPass : figures.afterFirstPass)[i / instancesPerFormat];
            sum.heapCalls += counts.heapCalls;
            sum.lockCalls += counts.lockCalls;
            sum.fileCalls += counts.fileCalls;

            bool finite = true;
            for (int channel = 0; channel < 2; ++channel)
                for (int n = 0; n < hostBlockSize; ++n)
                    finite = finite && std::isfinite(buffer.getSample(channel, n));
            figures.nonFiniteBlocks += finite ? 0 : 1;
        }
        figures.passMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - passStart).count());
    }
}
} // namespace

int main()
{
    const auto home = juce::File::createTempFile("vela-soak-home");
    home.createDirectory();
    setenv("HOME", home.getFullPathName().toRawUTF8(), 1);
    // The built bundle only, not one installed elsewhere under the same URI.
    setenv("LV2_PATH", juce::File(VELA_LV2_BUNDLE).getParentDirectory().getFullPathName().toRawUTF8(), 1);
    {
        const juce::ScopedJuceInitialiser_GUI juceRuntime;
        const BankHome bank;

        std::vector<Loaded> formats;
        formats.push_back(loadInstances(PluginFormat::vst3));
        formats.push_back(loadInstances(PluginFormat::lv2));

        std::vector<juce::AudioPluginInstance*> instances;
        for (auto& loaded : formats)
            for (auto& plugin : loaded.plugins)
                instances.push_back(plugin.instance.get());

        Figures figures;
        std::atomic<bool> done { false };
        std::thread audio([&] {
            play(instances, figures);
            done.store(true);
        });

        // The message thread: a program change, a state saved and given back, by turns over the instances.
        long programChanges = 0, stateRoundTrips = 0;
        std::mt19937 random(11);
        while (! done.load())
        {
            auto* instance = instances[random() % instances.size()];
            instance->setCurrentProgram(static_cast<int>(random() % static_cast<unsigned>(std::max(1, instance->getNumPrograms()))));
            ++programChanges;

            juce::MemoryBlock state;
            instance->getStateInformation(state);
            instance->setStateInformation(state.getData(), static_cast<int>(state.getSize()));
            ++stateRoundTrips;

            juce::MessageManager::getInstance()->runDispatchLoopUntil(2);
        }
        audio.join();

        std::printf("%d passes of %d instances (%d VST3, %d LV2), %d samples per block at %.0f Hz\n", passes,
                    static_cast<int>(instances.size()), instancesPerFormat, instancesPerFormat, hostBlockSize,
                    hostSampleRate);
        std::printf("message thread meanwhile: %ld program changes, %ld state get/set round trips\n", programChanges,
                    stateRoundTrips);
        for (size_t f = 0; f < formats.size(); ++f)
        {
            const auto& first = figures.firstPass[f];
            const auto& after = figures.afterFirstPass[f];
            // The host's own calls count too: JUCE's hosting classes and wrappers take locks of their own per block.
            std::printf("inside %s processBlock, heap/lock/file calls: %ld/%ld/%ld in the first pass, %ld/%ld/%ld in "
                        "the %d blocks after it\n",
                        pluginFormatName(formats[f].format).c_str(), first.heapCalls, first.lockCalls,
                        first.fileCalls, after.heapCalls, after.lockCalls, after.fileCalls,
                        (passes - 1) * instancesPerFormat);
        }
        std::printf("blocks with a non-finite sample: %ld of %zu\n", figures.nonFiniteBlocks, figures.blockMs.size());
        std::printf("one instance's block, 99.9th percentile: %.3f ms (%.1f %% of the %.2f ms period)\n",
                    percentile(figures.blockMs, 0.999), 100.0 * percentile(figures.blockMs, 0.999) / blockPeriodMs,
                    blockPeriodMs);
        std::printf("one pass over all instances, 99.9th percentile: %.3f ms (%.1f %% of the period), median %.3f ms\n",
                    percentile(figures.passMs, 0.999), 100.0 * percentile(figures.passMs, 0.999) / blockPeriodMs,
                    percentile(figures.passMs, 0.5));
        for (const auto& loaded : formats)
            std::printf("resident memory per %s instance: %.2f MB\n", pluginFormatName(loaded.format).c_str(),
                        loaded.megabytesPerInstance);
    }
    home.deleteRecursively();
    return 0;
}
