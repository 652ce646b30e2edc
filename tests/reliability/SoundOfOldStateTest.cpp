// A state or preset saved before the parameters that came after the first fourteen renders bit for bit as it
// did: tests/compat/old-state-renders.txt holds a fingerprint of each render below, made before any of them was
// added, per vector path (their float operations differ in the last bits; GCC's and clang's builds agree). Set
// VELA_PRINT_RENDER_FINGERPRINTS=1 to print this build's lines in the file's format.
#include "PluginProcessor.h"
#include "ProcessorDriver.h"
#include "TemporaryHome.h"
#include "maths/LumVectorPath.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace
{
// The parameters a document saved before the additions can hold.
const juce::StringArray oldIds { "time",        "feedback", "spread",     "lowpass",   "highpass",
                                 "mix",         "modAmount", "modFreq",   "modFeedback", "modType",
                                 "modRouting",  "syncTempo", "syncMode",  "bypassDelay" };

const char* const pathNames[] = { "baseline", "avx2", "avx512" };

struct Render
{
    std::string name;
    std::unique_ptr<juce::XmlElement> document;
};

// A factory preset as a document of the old parameters only.
std::unique_ptr<juce::XmlElement> oldDocument(const juce::File& preset)
{
    auto document = juce::XmlDocument::parse(preset);
    if (document == nullptr)
        return nullptr;

    for (auto* param = document->getFirstChildElement(); param != nullptr;)
    {
        auto* next = param->getNextElement();
        if (! oldIds.contains(param->getStringAttribute("id")))
            document->removeChildElement(param, true);
        param = next;
    }
    return document;
}

// The factory presets that the fingerprints were made from; a preset added since has none.
std::vector<Render> renders(const std::set<std::string>& recordedNames)
{
    std::vector<Render> all;
    for (const auto& name : recordedNames)
    {
        if (name.rfind("preset:", 0) != 0)
            continue;
        const auto fileName = juce::String(name.substr(7)).replaceCharacter('_', ' ') + ".preset";
        all.push_back({ name, oldDocument(juce::File(VELA_FACTORY_PRESETS_DIR).getChildFile(fileName)) });
    }

    const char* const routings[] = { "pre", "post", "bypass" };
    for (int routing = 0; routing < 3; ++routing)
        for (int type = 0; type < 7; ++type)
        {
            auto document = std::make_unique<juce::XmlElement>("Vela");
            const std::pair<const char*, int> values[] = { { "modRouting", routing }, { "modType", type },
                                                           { "modFeedback", 70 },     { "spread", 30 } };
            for (const auto& [id, value] : values)
            {
                auto* param = document->createNewChildElement("PARAM");
                param->setAttribute("id", id);
                param->setAttribute("value", value);
            }
            all.push_back({ std::string("routing:") + routings[routing] + ":type:" + std::to_string(type),
                            std::move(document) });
        }

    // Synced, at a tempo that is not 120, with the other values at their defaults.
    auto synced = juce::parseXML("<Vela><PARAM id=\"syncTempo\" value=\"1\"/><PARAM id=\"time\" value=\"3\"/>"
                                 "<PARAM id=\"syncMode\" value=\"1\"/></Vela>");
    all.push_back({ "synced", std::move(synced) });
    return all;
}

// A click, then a burst of noise from a fixed sequence, then silence for the echoes: half a second, in blocks
// of 512 and a last short one.
std::uint64_t fingerprint(const juce::XmlElement& document)
{
    ProcessorDriver driver;
    driver.bpm = 97.0;
    juce::MemoryBlock chunk;
    juce::AudioProcessor::copyXmlToBinary(document, chunk);
    driver.processor.setStateInformation(chunk.getData(), static_cast<int>(chunk.getSize()));

    auto state = std::make_shared<std::uint32_t>(12345u);
    const ProcessorDriver::Signal signal = [state](int, long n) {
        if (n < 32)
            return 0.9f * static_cast<float>(32 - n) / 32.0f;
        if (n >= 4410)
            return 0.0f;
        *state = *state * 1664525u + 1013904223u;
        return static_cast<float>(*state >> 8) / 16777216.0f - 0.5f;
    };

    std::uint64_t hash = 1469598103934665603ull;
    constexpr long frames = 22050;
    for (long done = 0; done < frames; done += 512)
    {
        driver.run(static_cast<int>(std::min<long>(512, frames - done)), signal);
        const auto& block = driver.block();
        for (int c = 0; c < block.getNumChannels(); ++c)
            for (int i = 0; i < block.getNumSamples(); ++i)
            {
                std::uint32_t bits = 0;
                const float sample = block.getSample(c, i);
                std::memcpy(&bits, &sample, sizeof bits);
                for (int byte = 0; byte < 4; ++byte)
                    hash = (hash ^ ((bits >> (8 * byte)) & 0xffu)) * 1099511628211ull;
            }
    }
    return hash;
}

// "name path fingerprint", one per line.
std::map<std::string, std::string> recorded(std::set<std::string>& names)
{
    std::map<std::string, std::string> lines;
    for (const auto& line : juce::StringArray::fromLines(juce::File(VELA_COMPAT_DIR).getChildFile("old-state-renders.txt")
                                                             .loadFileAsString()))
    {
        const auto fields = juce::StringArray::fromTokens(line, " ", "");
        if (fields.size() != 3)
            continue;
        lines[(fields[0] + " " + fields[1]).toStdString()] = fields[2].toStdString();
        names.insert(fields[0].toStdString());
    }
    return lines;
}
} // namespace

TEST(SoundOfOldState, EveryFactoryPresetAndEveryRoutingAndTypeRendersAsBeforeTheAdditions)
{
    const TemporaryHome home;
    std::set<std::string> names;
    const auto expected = recorded(names);
    const bool print = std::getenv("VELA_PRINT_RENDER_FINGERPRINTS") != nullptr;
    const auto all = renders(names);
    ASSERT_GE(all.size(), 14u + 21u);
    const auto widest = lumVectorPath();

    for (int path = 0; path < 3; ++path)
    {
        if (! lumForceVectorPath(static_cast<LumVectorPath>(path)))
            continue;

        for (const auto& render : all)
        {
            ASSERT_NE(render.document, nullptr) << render.name << ": the factory preset is gone";
            const auto key = render.name + " " + pathNames[path];
            const auto actual = juce::String::toHexString(static_cast<juce::int64>(fingerprint(*render.document)))
                                    .toStdString();
            if (print)
                std::cout << key << " " << actual << "\n";
            else if (const auto found = expected.find(key); found == expected.end())
                ADD_FAILURE() << key << ": no fingerprint recorded for this path";
            else
                EXPECT_EQ(actual, found->second) << key;
        }
    }

    lumForceVectorPath(widest);
}
