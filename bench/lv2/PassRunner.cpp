#include "PassRunner.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <memory>

namespace
{
double threadSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// Every sixteenth sample is enough to see that a plug-in made sound, and keeps the host's own cost small.
constexpr size_t rmsStride = 16;

double sumOfSquares(const std::vector<float>& samples, size_t count)
{
    double sum = 0.0;
    for (size_t n = 0; n < count; n += rmsStride)
        sum += static_cast<double>(samples[n]) * samples[n];
    return sum;
}
} // namespace

PassRunner::PassRunner(LilvWorld* w, UridMap& u, double sampleRate, int frames, float tempo)
    : world(w), urids(u), messages(u, sampleRate), rate(sampleRate), blockSize(frames), bpm(tempo)
{
}

std::vector<ParameterChange> PassRunner::parameterChanges(const Contender& contender)
{
    std::vector<ParameterChange> changes;
    for (const VelaParameter& p : contender.parameters)
        changes.push_back({ urids.map((contender.uri + ":" + p.id).c_str()), p.value });
    return changes;
}

PassTimes PassRunner::run(const LilvPlugin* plugin, const Contender& contender, const StereoSignal& input,
                          size_t windowFrames)
{
    std::vector<std::unique_ptr<Lv2Instance>> instances;
    for (int k = 0; k < (contender.dualMono ? 2 : 1); ++k)
        instances.push_back(std::make_unique<Lv2Instance>(world, plugin, urids, rate, blockSize, contender.controls));

    const std::vector<ParameterChange> changes = parameterChanges(contender);
    const std::vector<ParameterChange> none;
    std::vector<float> out[2] = { std::vector<float>(static_cast<size_t>(blockSize)),
                                  std::vector<float>(static_cast<size_t>(blockSize)) };
    const float* in[2] = { input.left.data(), input.right.data() };

    PassTimes times;
    double sum = 0.0;
    const double start = threadSeconds();
    double windowStart = start;
    size_t windowFirst = 0;

    for (size_t first = 0; first < input.frames(); first += static_cast<size_t>(blockSize))
    {
        const size_t frames = std::min(static_cast<size_t>(blockSize), input.frames() - first);

        for (size_t k = 0; k < instances.size(); ++k)
        {
            Lv2Instance& instance = *instances[k];
            for (int c = 0; c < instance.audioInputs() && c < 2; ++c)
                instance.connectAudioInput(c, in[contender.dualMono ? k : static_cast<size_t>(c)] + first);
            for (int c = 0; c < instance.audioOutputs() && c < 2; ++c)
                instance.connectAudioOutput(c, out[contender.dualMono ? k : static_cast<size_t>(c)].data());
            if (LV2_Atom_Sequence* events = instance.eventInput())
                messages.write(events, Lv2Instance::eventCapacity, first == 0 ? changes : none, bpm,
                               static_cast<int64_t>(first));
            instance.run(static_cast<uint32_t>(frames));
        }

        sum += sumOfSquares(out[0], frames) + sumOfSquares(out[1], frames);

        if (windowFrames > 0 && first + frames - windowFirst >= windowFrames)
        {
            const double now = threadSeconds();
            times.windows.push_back({ now - windowStart, first + frames - windowFirst });
            windowStart = now;
            windowFirst = first + frames;
        }
    }

    times.cpuSeconds = threadSeconds() - start;
    times.outputRms = std::sqrt(sum * rmsStride / (2.0 * static_cast<double>(input.frames())));
    return times;
}
