#include "ProcessorDriver.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

#include <random>

namespace
{
// Far above anything a sane input of full scale can give: the delay lines saturate, the modulation lines
// are bounded by their feedback, and the mix is a weighted sum.
constexpr float outputBound = 16.0f;

constexpr double rates[] = { 8000.0, 11025.0, 22050.0, 44100.0, 48000.0, 96000.0, 192000.0, 384000.0 };

struct Setting
{
    const char* name;
    float position; // every parameter at this point of its range; below 0 for the defaults
};
constexpr Setting settings[] = { { "minimum", 0.0f }, { "maximum", 1.0f }, { "default", -1.0f } };

void apply(ProcessorDriver& driver, const Setting& setting)
{
    if (setting.position < 0.0f)
        driver.setAllDefault();
    else
        driver.setAllNormalised(setting.position);
}
} // namespace

TEST(RatesAndBlocks, EveryRateBlockSizeWidthAndExtremeSettingGivesFiniteBoundedOutput)
{
    TemporaryHome home;

    for (const int channels : { 1, 2 })
        for (const auto& setting : settings)
        {
            // One processor through every rate: prepareToPlay again between blocks is part of what is tested.
            ProcessorDriver driver(channels);
            apply(driver, setting);

            for (const double rate : rates)
                for (const int blockSize : { 1, 17, 512, 8192 })
                {
                    driver.prepare(rate, blockSize);
                    driver.resetReport();
                    driver.runSeconds(blockSize == 1 ? 0.05 : 0.25, blockSize, ProcessorDriver::noise());

                    const auto context = ::testing::Message() << setting.name << ", " << channels << " channel(s), "
                                                              << rate << " Hz, blocks of " << blockSize;
                    EXPECT_TRUE(driver.allFinite()) << context;
                    EXPECT_LT(driver.peak(), outputBound) << context;
                }
        }
}

// A host that automates everything at once, with blocks of any size, and re-prepares at random rates.
TEST(RatesAndBlocks, AutomatingEveryParameterEveryBlockWithVaryingBlocksStaysFiniteAndBounded)
{
    TemporaryHome home;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> blockSize(0, 1024);
    std::uniform_int_distribution<int> rateIndex(0, static_cast<int>(std::size(rates)) - 1);

    for (const int channels : { 1, 2 })
    {
        ProcessorDriver driver(channels);

        for (int block = 0; block < 3000; ++block)
        {
            if (block % 500 == 0)
                driver.prepare(rates[rateIndex(random)], 1024);

            driver.setAllRandom(random);
            // Now and then at the ends of the ranges, where the trouble usually is.
            if (block % 7 == 0)
                driver.setAllNormalised(block % 14 == 0 ? 1.0f : 0.0f);

            driver.bpm = block % 11 == 0 ? std::optional<double>() : std::optional<double>(20.0 + block % 300);
            driver.run(block % 13 == 0 ? 0 : blockSize(random), ProcessorDriver::noise(static_cast<unsigned>(block)));
        }

        EXPECT_TRUE(driver.allFinite()) << channels << " channel(s)";
        EXPECT_LT(driver.peak(), outputBound) << channels << " channel(s)";
    }
}
