#include "ProcessorDriver.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
constexpr double rate = 44100.0;
constexpr int blockSize = 256;

struct HostileInput
{
    const char* name;
    ProcessorDriver::Signal signal;
};

const HostileInput hostileInputs[] = {
    { "NaN", [](int, long) { return std::numeric_limits<float>::quiet_NaN(); } },
    { "NaN in one channel now and then", [](int c, long i) { return c == 0 && i % 97 == 0 ? std::nanf("") : 0.3f; } },
    { "positive infinity", [](int, long) { return std::numeric_limits<float>::infinity(); } },
    { "alternating infinities",
      [](int, long i) { return (i % 2 == 0 ? 1.0f : -1.0f) * std::numeric_limits<float>::infinity(); } },
    { "largest finite", [](int, long i) { return (i % 2 == 0 ? 1.0f : -1.0f) * std::numeric_limits<float>::max(); } },
    { "denormals", [](int, long i) { return (i % 3 == 0 ? -1.0f : 1.0f) * std::numeric_limits<float>::denorm_min(); } },
    { "full-scale square", [](int, long i) { return (i / 50) % 2 == 0 ? 1.0f : -1.0f; } },
    { "full-scale DC", [](int, long) { return 1.0f; } },
};

// The settings where hostile input does the most: everything fed back as far as it goes.
void setHarsh(ProcessorDriver& driver, int modType, int routing)
{
    driver.set("feedback", 100.0f);
    driver.set("modFeedback", 100.0f);
    driver.set("modAmount", 100.0f);
    driver.set("mix", 50.0f);
    driver.set("modType", static_cast<float>(modType));
    driver.set("modRouting", static_cast<float>(routing));
}
} // namespace

// Hostile input must leave finite output and no lasting damage: once the input has been sane long enough for
// the echoes of the hostile part to die away, the effect sounds as it would have without it.
TEST(HostileAudio, HostileInputGivesFiniteOutputAndLeavesNoLastingDamage)
{
    TemporaryHome home;

    for (const auto& hostile : hostileInputs)
        for (int modType = 0; modType <= 6; ++modType)
            for (int routing = 0; routing <= 2; ++routing)
            {
                const auto context = ::testing::Message() << hostile.name << ", modType " << modType << ", routing "
                                                          << routing;
                ProcessorDriver hit;
                ProcessorDriver spared;

                for (auto* driver : { &hit, &spared })
                {
                    setHarsh(*driver, modType, routing);
                    driver->prepare(rate, blockSize);
                }

                hit.runSeconds(0.5, blockSize, hostile.signal);
                spared.runSeconds(0.5, blockSize, ProcessorDriver::silence);
                EXPECT_TRUE(hit.allFinite()) << context << ": while hostile";

                // Feedback off so that the echoes of the hostile part die away, then the same sane input to both.
                for (auto* driver : { &hit, &spared })
                {
                    driver->set("feedback", 0.0f);
                    driver->set("modFeedback", 0.0f);
                    driver->runSeconds(2.0, blockSize, ProcessorDriver::silence);
                }

                const auto tone = [](int, long i) { return 0.5f * std::sin(0.05f * static_cast<float>(i)); };
                float largestDifference = 0.0f;
                for (int block = 0; block < 40; ++block)
                {
                    hit.run(blockSize, tone);
                    spared.run(blockSize, tone);
                    for (int c = 0; c < 2; ++c)
                        for (int i = 0; i < blockSize; ++i)
                            largestDifference = std::max(largestDifference, std::abs(hit.block().getSample(c, i)
                                                                                     - spared.block().getSample(c, i)));
                }

                EXPECT_TRUE(hit.allFinite()) << context << ": afterwards";
                EXPECT_LT(largestDifference, 1.0e-3f) << context << ": still sounds different afterwards";
            }
}

// The engine's NaN diagnostics are for faults inside it; non-finite host input must never reach them.
TEST(HostileAudio, NonFiniteInputNeverReachesTheEnginesNaNDiagnostics)
{
    TemporaryHome home;
    ProcessorDriver driver;
    setHarsh(driver, 4, 0);
    ::testing::internal::CaptureStderr();
    driver.runSeconds(0.5, blockSize, hostileInputs[0].signal);
    driver.runSeconds(0.5, blockSize, hostileInputs[3].signal);
    driver.processor.writeDiagnostics();
    const auto printed = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(printed.find("NaN"), std::string::npos) << printed.substr(0, 200);
    EXPECT_EQ(printed.find("NAN"), std::string::npos) << printed.substr(0, 200);
}
