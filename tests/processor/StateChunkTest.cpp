#include "LumJuceParameter.h"
#include "PluginProcessor.h"
#include "TemporaryHome.h"
#include "ChoiceValues.h"

#include <gtest/gtest.h>

#include <random>

namespace
{
const char* const defaultDocument = "<Vela><PARAM id=\"time\" value=\"250\"/><PARAM id=\"feedback\" value=\"50\"/>"
                                    "<PARAM id=\"spread\" value=\"0\"/><PARAM id=\"lowpass\" value=\"15000\"/>"
                                    "<PARAM id=\"highpass\" value=\"10\"/><PARAM id=\"mix\" value=\"50\"/>"
                                    "<PARAM id=\"modAmount\" value=\"50\"/><PARAM id=\"modFreq\" value=\"0.25\"/>"
                                    "<PARAM id=\"modFeedback\" value=\"50\"/><PARAM id=\"modType\" value=\"0\"/>"
                                    "<PARAM id=\"modRouting\" value=\"0\"/><PARAM id=\"syncTempo\" value=\"0\"/>"
                                    "<PARAM id=\"syncMode\" value=\"0\"/><PARAM id=\"bypassDelay\" value=\"0\"/>"
                                    "<PARAM id=\"pingPong\" value=\"0\"/><PARAM id=\"duck\" value=\"0\"/></Vela>";

juce::MemoryBlock chunkOf(const juce::String& text, juce::uint32 magic = 0x21324356)
{
    juce::MemoryBlock block;
    juce::MemoryOutputStream out(block, false);
    out.writeInt(static_cast<int>(magic));
    out.writeInt(static_cast<int>(text.getNumBytesAsUTF8()));
    out.write(text.toRawUTF8(), text.getNumBytesAsUTF8());
    out.writeByte(0);
    return block;
}

class StateChunk : public ::testing::Test
{
protected:
    juce::MemoryBlock state()
    {
        juce::MemoryBlock block;
        processor.getStateInformation(block);
        return block;
    }

    static juce::String documentText(const juce::MemoryBlock& chunk)
    {
        return juce::String::fromUTF8(static_cast<const char*>(chunk.getData()) + 8,
                                      static_cast<int>(chunk.getSize()) - 9);
    }

    float value(const char* id) { return LumJuceParameter::plainValue(processor.valueTreeState, id); }

    void set(const char* id, float realValue)
    {
        auto* p = processor.valueTreeState.getParameter(id);
        p->setValueNotifyingHost(p->convertTo0to1(realValue));
    }

    void restore(const juce::String& document)
    {
        const auto chunk = chunkOf(document);
        processor.setStateInformation(chunk.getData(), static_cast<int>(chunk.getSize()));
    }

    TemporaryHome home;
    VelaAudioProcessor processor;
};
} // namespace

TEST_F(StateChunk, ByteLayoutOfTheDefaultState)
{
    const auto chunk = state();
    const auto* bytes = static_cast<const juce::uint8*>(chunk.getData());

    ASSERT_GT(chunk.getSize(), 9u);
    EXPECT_EQ(juce::ByteOrder::littleEndianInt(bytes), 0x21324356u);
    EXPECT_EQ(juce::ByteOrder::littleEndianInt(bytes + 4), chunk.getSize() - 9);
    EXPECT_EQ(bytes[chunk.getSize() - 1], 0);
    EXPECT_EQ(documentText(chunk), defaultDocument);
}

TEST_F(StateChunk, RoundTripRestoresEveryParameter)
{
    const std::pair<const char*, float> settings[] = {
        { "time", 731.0f },      { "feedback", 83.0f },  { "spread", 12.0f },    { "lowpass", 3210.5f },
        { "highpass", 85.3f },   { "mix", 27.0f },       { "modAmount", 64.0f }, { "modFreq", 1.37f },
        { "modFeedback", 9.0f }, { "modType", hostValue(ModType::phaser) },
        { "modRouting", hostValue(ModRouting::post) },   { "syncTempo", 1.0f },
        { "syncMode", hostValue(SyncMode::triplet) },    { "bypassDelay", 1.0f },
        { "pingPong", 1.0f },    { "duck", 35.0f },
    };
    for (const auto& [id, v] : settings)
        set(id, v);

    const auto chunk = state();
    TemporaryHome otherHome;
    VelaAudioProcessor restored;
    restored.setStateInformation(chunk.getData(), static_cast<int>(chunk.getSize()));

    for (const auto& [id, v] : settings)
        EXPECT_EQ(LumJuceParameter::plainValue(restored.valueTreeState, id), value(id)) << id;

    juce::MemoryBlock again;
    restored.getStateInformation(again);
    EXPECT_EQ(again, chunk);
}

TEST_F(StateChunk, MissingParametersReturnToDefaultsAndUnknownOnesAreKept)
{
    set("time", 900.0f);
    set("mix", 10.0f);

    restore("<Vela><PARAM id=\"feedback\" value=\"70\"/><PARAM id=\"future\" value=\"3\" extra=\"x\"/>"
            "<PARAM id=\"time\"/></Vela>");

    EXPECT_EQ(value("feedback"), 70.0f);
    EXPECT_EQ(value("time"), 250.0f) << "a PARAM without a value takes the default";
    EXPECT_EQ(value("mix"), 50.0f) << "a missing PARAM takes the default";

    const auto text = documentText(state());
    EXPECT_TRUE(text.startsWith("<Vela><PARAM id=\"feedback\" value=\"70\"/>"
                                "<PARAM id=\"future\" value=\"3\" extra=\"x\"/><PARAM id=\"time\" value=\"250\"/>"
                                "<PARAM id=\"spread\" value=\"0\"/><PARAM id=\"lowpass\""))
        << text;
    EXPECT_TRUE(text.endsWith("<PARAM id=\"bypassDelay\" value=\"0\"/><PARAM id=\"pingPong\" value=\"0\"/>"
                              "<PARAM id=\"duck\" value=\"0\"/></Vela>"))
        << text;
}

TEST_F(StateChunk, OutOfRangeValuesAreLimited)
{
    struct Case
    {
        const char* id;
        const char* text;
        float expected;
    };

    const Case cases[] = {
        { "time", "99999", 2000.0f }, { "time", "-5", 0.0f },        { "lowpass", "1", 10.0f },
        { "modType", "9", 6.0f },   { "modFreq", "0.333", 0.33f },
        { "syncTempo", "0.7", 1.0f },
    };

    for (const Case& c : cases)
    {
        restore(juce::String("<Vela><PARAM id=\"") + c.id + "\" value=\"" + c.text + "\"/></Vela>");
        EXPECT_NEAR(value(c.id), c.expected, 1e-5f) << c.id << " = " << c.text;
    }
}

TEST_F(StateChunk, WhatIsNotAStateOfThisPlugInChangesNothing)
{
    set("time", 1234.0f);
    const auto before = state();

    juce::String deep;
    for (int i = 0; i < 100000; ++i)
        deep << "<a>";

    const auto valid = chunkOf(defaultDocument);
    std::mt19937 random(7);
    juce::MemoryBlock noise(4096);
    for (size_t i = 0; i < noise.getSize(); ++i)
        noise[i] = static_cast<char>(random());

    struct Case
    {
        const char* name;
        juce::MemoryBlock chunk;
    };

    const Case cases[] = {
        { "empty", {} },
        { "eight bytes", juce::MemoryBlock(valid.getData(), 8) },
        { "wrong magic", chunkOf(defaultDocument, 0x12345678) },
        { "zero length", [&] { auto c = valid; c.copyFrom("\0\0\0\0", 4, 4); return c; }() },
        { "truncated", juce::MemoryBlock(valid.getData(), valid.getSize() / 2) },
        { "other root", chunkOf("<Other><PARAM id=\"time\" value=\"5\"/></Other>") },
        { "not XML", chunkOf("time=5") },
        { "deeply nested", chunkOf("<Vela>" + deep) },
        { "random bytes", noise },
        { "random after the magic", [&] { auto c = noise; c.copyFrom(valid.getData(), 0, 8); return c; }() },
    };

    for (const Case& c : cases)
    {
        processor.setStateInformation(c.chunk.getData(), static_cast<int>(c.chunk.getSize()));
        EXPECT_EQ(state(), before) << c.name;
    }
}

// The whole text must be one finite number; anything else takes the parameter's default, as a missing value does.
TEST_F(StateChunk, ValueTextThatIsNoFiniteNumberTakesTheDefault)
{
    struct Case
    {
        const char* id;
        juce::String text;
        float expected;
    };

    const Case cases[] = {
        { "feedback", "abc", 50.0f },   { "feedback", "12abc", 50.0f }, { "feedback", "", 50.0f },
        { "feedback", "nan", 50.0f },   { "feedback", "-inf", 50.0f },  { "feedback", "1e999", 50.0f },
        { "feedback", "0x46", 50.0f },  { "feedback", " 70 ", 70.0f },  { "feedback", "+70", 70.0f },
        { "feedback", "7e1", 70.0f },   { "feedback", "70.0", 70.0f },  { "feedback", "+-70", 50.0f },
        // Found by fuzzing: a signed overflow in JUCE's number reader. Zero times any power of ten is zero.
        { "modFreq", juce::String::repeatedString("0", 3000) + "e000000002000000000073709551615", 0.0f },
    };

    for (const Case& c : cases)
    {
        set(c.id, 20.0f);
        restore(juce::String("<Vela><PARAM id=\"") + c.id + "\" value=\"" + c.text + "\"/></Vela>");
        EXPECT_EQ(value(c.id), c.expected) << c.id << " = " << c.text.substring(0, 40);
    }
}

// JUCE applies every element that names a parameter, the last one last; each is read as a number first.
// Found by fuzzing: an overflowing value in a second element reached JUCE's own number reader.
TEST_F(StateChunk, EveryElementOfAParameterIsReadAsANumberAndTheLastOneHolds)
{
    struct Case
    {
        const char* second;
        float expected;
    };

    const Case cases[] = { { "30", 30.0f }, { "abc", 50.0f }, { "0e2000000000073709551615", 0.0f } };

    for (const Case& c : cases)
    {
        set("feedback", 20.0f);
        restore(juce::String("<Vela><PARAM id=\"feedback\" value=\"70\"/><PARAM id=\"mix\" value=\"10\"/>"
                             "<PARAM id=\"feedback\" value=\"") + c.second + "\"/></Vela>");
        EXPECT_EQ(value("feedback"), c.expected) << c.second;
        EXPECT_EQ(value("mix"), 10.0f) << c.second;
    }
}

TEST_F(StateChunk, LengthBeyondTheDataIsCutToWhatIsThere)
{
    auto chunk = chunkOf("<Vela><PARAM id=\"time\" value=\"400\"/></Vela>");
    const juce::uint32 huge = 0x7fffffff;
    chunk.copyFrom(&huge, 4, 4);
    chunk.setSize(chunk.getSize() - 1); // no terminating zero either

    processor.setStateInformation(chunk.getData(), static_cast<int>(chunk.getSize()));
    EXPECT_EQ(value("time"), 400.0f);
}

TEST_F(StateChunk, AcceptsADocumentWithAnXmlDeclaration)
{
    restore("<?xml version=\"1.0\" encoding=\"UTF-8\"?> <Vela><PARAM id=\"mix\" value=\"80\"/></Vela>");
    EXPECT_EQ(value("mix"), 80.0f);
}
