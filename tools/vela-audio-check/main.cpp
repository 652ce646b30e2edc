// Holds a render against a reference: what a DAW exported against what vela-render made of the same input, or the
// renders of two builds. Reads through libsndfile.
//
//   vela-audio-check match EXPORT REFERENCE LATENCY TOLERANCE
//       EXPORT, less its first LATENCY frames, equals REFERENCE within TOLERANCE over REFERENCE's length, and is
//       not silence. Prints the largest difference.
//   vela-audio-check ramp EXPORT DRY WET SECONDS
//       EXPORT is DRY and WET mixed with a wet share that rises from 0 to 1 over SECONDS as a straight line, as
//       a Mix ramp plays it: measured in 50 ms windows, each within 0.05 of the ramp, and without a click (a step
//       from one sample to the next more than 0.02 beyond DRY's and WET's own).

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace
{
struct Audio
{
    int rate = 0;
    int channels = 0;
    std::vector<float> samples; // interleaved

    long frames() const { return channels == 0 ? 0 : static_cast<long>(samples.size()) / channels; }
    float at(long frame, int channel) const { return samples[static_cast<size_t>(frame * channels + channel)]; }
};

bool fail(const std::string& message)
{
    std::fprintf(stderr, "vela-audio-check: %s\n", message.c_str());
    return false;
}

bool load(const char* path, Audio& audio)
{
    SF_INFO info {};
    SNDFILE* file = sf_open(path, SFM_READ, &info);
    if (file == nullptr)
        return fail(std::string(path) + ": " + sf_strerror(nullptr));
    audio.rate = info.samplerate;
    audio.channels = info.channels;
    audio.samples.resize(static_cast<size_t>(info.frames * info.channels));
    const sf_count_t got = sf_readf_float(file, audio.samples.data(), info.frames);
    sf_close(file);
    audio.samples.resize(static_cast<size_t>(got * info.channels));
    return true;
}

bool sameShape(const Audio& a, const Audio& b, const char* what)
{
    if (a.rate != b.rate || a.channels != b.channels)
        return fail(std::string(what) + ": rate or channels differ");
    return true;
}

bool match(const char* exportPath, const char* referencePath, long latency, double tolerance)
{
    Audio exported, reference;
    if (!load(exportPath, exported) || !load(referencePath, reference) || !sameShape(exported, reference, exportPath))
        return false;
    if (exported.frames() < reference.frames() + latency)
        return fail(std::string(exportPath) + " is shorter than the reference");

    double largest = 0.0, peak = 0.0;
    long where = 0;
    for (long n = 0; n < reference.frames(); ++n)
        for (int c = 0; c < reference.channels; ++c)
        {
            double difference = std::fabs(exported.at(n + latency, c) - reference.at(n, c));
            // A NaN on one side is as far from the other as samples can be.
            if (std::isnan(difference))
                difference = std::numeric_limits<double>::infinity();
            peak = std::max(peak, std::fabs(static_cast<double>(reference.at(n, c))));
            if (difference > largest)
            {
                largest = difference;
                where = n;
            }
        }

    std::printf("largest difference %.3g at frame %ld (tolerance %.3g), peak %.3g\n", largest, where, tolerance, peak);
    if (peak < 0.01)
        return fail("the reference is silent");
    return largest <= tolerance;
}

double step(const Audio& audio, long n, int c)
{
    return std::fabs(static_cast<double>(audio.at(n, c)) - audio.at(n - 1, c));
}

// How far a step from one sample to the next goes beyond the larger of DRY's and WET's steps there: a mix of the
// two moves no further, but for the change of the share itself.
double largestExtraStep(const Audio& exported, const Audio& dry, const Audio& wet, long length)
{
    double largest = 0.0;
    for (long n = 1; n < length; ++n)
        for (int c = 0; c < dry.channels; ++c)
            largest = std::max(largest, step(exported, n, c) - std::max(step(dry, n, c), step(wet, n, c)));
    return largest;
}

bool ramp(const char* exportPath, const char* dryPath, const char* wetPath, double seconds)
{
    Audio exported, dry, wet;
    if (!load(exportPath, exported) || !load(dryPath, dry) || !load(wetPath, wet)
        || !sameShape(exported, dry, exportPath) || !sameShape(wet, dry, wetPath))
        return false;

    const long window = dry.rate / 20;
    const long length = std::min({ exported.frames(), dry.frames(), wet.frames() });
    bool good = true;
    int measured = 0;
    for (long start = 0; start + window <= length; start += window)
    {
        // out = dry + share * (wet - dry): the share that fits the window best.
        double along = 0.0, energy = 0.0;
        for (long n = start; n < start + window; ++n)
            for (int c = 0; c < dry.channels; ++c)
            {
                const double gap = wet.at(n, c) - dry.at(n, c);
                along += (exported.at(n, c) - dry.at(n, c)) * gap;
                energy += gap * gap;
            }
        if (energy < 1e-3)
            continue; // too little difference between dry and wet to tell the share
        ++measured;
        const double share = along / energy;
        const double expected = std::min(1.0, (start + window / 2.0) / (seconds * dry.rate));
        if (std::fabs(share - expected) > 0.05)
        {
            std::printf("at %.2f s the wet share is %.3f, the ramp is at %.3f\n",
                        static_cast<double>(start) / dry.rate, share, expected);
            good = false;
        }
    }

    const double extraStep = largestExtraStep(exported, dry, wet, length);
    std::printf("%d windows measured; largest step beyond dry's and wet's own %.3g\n", measured, extraStep);
    if (measured < 10)
        return fail("too few windows to follow the ramp");
    if (extraStep > 0.02)
        return fail("the ramp clicks");
    return good;
}
} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    bool ok = false;
    if (command == "match" && argc == 6)
        ok = match(argv[2], argv[3], std::atol(argv[4]), std::atof(argv[5]));
    else if (command == "ramp" && argc == 6)
        ok = ramp(argv[2], argv[3], argv[4], std::atof(argv[5]));
    else
    {
        std::fprintf(stderr, "usage: vela-audio-check match EXPORT REFERENCE LATENCY TOLERANCE\n"
                             "       vela-audio-check ramp EXPORT DRY WET SECONDS\n");
        return 2;
    }
    return ok ? 0 : 1;
}
