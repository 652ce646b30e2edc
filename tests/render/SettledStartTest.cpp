// The render starts with the parameters in place: a hit at the very start echoes at the set time, with no glide
// from where the engine's delay time was before the settings arrived.
#include "EchoRenders.h"

#include <gtest/gtest.h>

TEST(SettledStart, AHitAtTheStartEchoesAtTheSetTime)
{
    for (const char* time : { "100", "600" })
    {
        SCOPED_TRACE(std::string("time=") + time);
        const auto result = render(silenceWithClicks(2, 44100.0, 0.8, { { 0, 0.0, 0.5f }, { 1, 0.0, 0.5f } }),
                                   44100.0, with(singleEcho, { "--set", std::string("time=") + time, "--tail", "0" }));

        ASSERT_EQ(result.run.exitCode, 0) << result.run.err;
        ASSERT_TRUE(result.output.has_value());

        for (int channel = 0; channel < 2; ++channel)
            expectEchoAt(result.output->audio, channel, std::stod(time) / 1000.0, 44100.0);
    }
}
