// vela-audio-difference A B: the largest difference between the samples of two audio files of the same shape, so
// that renders of one input by two builds can be held against each other. Exit status 1 when their channels,
// rates or lengths differ, 2 when one cannot be read.
#include "RenderError.h"
#include "SoundFileInput.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: vela-audio-difference A B\n");
        return 2;
    }

    try
    {
        SoundFileInput first(argv[1]);
        SoundFileInput second(argv[2]);
        if (first.channels() != second.channels() || first.sampleRate() != second.sampleRate())
        {
            std::fprintf(stderr, "vela-audio-difference: the files differ in channels or sample rate\n");
            return 1;
        }

        constexpr int64_t framesPerRead = 4096;
        const auto samplesPerRead = static_cast<size_t>(framesPerRead * first.channels());
        std::vector<float> fromFirst(samplesPerRead), fromSecond(samplesPerRead);
        double largest = 0.0;

        for (;;)
        {
            const int64_t frames = first.read(fromFirst.data(), framesPerRead);
            if (second.read(fromSecond.data(), framesPerRead) != frames)
            {
                std::fprintf(stderr, "vela-audio-difference: the files differ in length\n");
                return 1;
            }
            if (frames == 0)
                break;

            for (size_t i = 0; i < static_cast<size_t>(frames * first.channels()); ++i)
            {
                const double difference = std::fabs(double(fromFirst[i]) - double(fromSecond[i]));
                // A NaN in one file and not in the other is as far apart as samples can be.
                largest = std::isnan(difference) ? std::numeric_limits<double>::infinity() : std::fmax(largest, difference);
            }
        }

        std::printf("%.3g\n", largest);
        return 0;
    }
    catch (const RenderError& error)
    {
        std::fprintf(stderr, "vela-audio-difference: %s\n", error.what());
        return 2;
    }
}
