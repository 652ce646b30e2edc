#include "LumJuceParameter.h"
#include "PluginProcessor.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace
{
juce::MemoryBlock chunkOf(const juce::MemoryBlock& text, juce::uint32 declaredLength)
{
    juce::MemoryBlock block;
    juce::MemoryOutputStream out(block, false);
    out.writeInt(0x21324356);
    out.writeInt(static_cast<int>(declaredLength));
    out.write(text.getData(), text.getSize());
    out.writeByte(0);
    return block;
}

juce::MemoryBlock bytesOf(const juce::String& text)
{
    return { text.toRawUTF8(), text.getNumBytesAsUTF8() };
}

juce::MemoryBlock chunkOf(const juce::String& text)
{
    const auto bytes = bytesOf(text);
    return chunkOf(bytes, static_cast<juce::uint32>(bytes.getSize()));
}

// Built in a stream: appending to a juce::String copies it every time.
juce::MemoryBlock nested(int depth)
{
    juce::MemoryOutputStream text;
    for (int i = 0; i < depth; ++i)
        text << "<Vela>";
    for (int i = 0; i < depth; ++i)
        text << "</Vela>";
    return text.getMemoryBlock();
}

juce::MemoryBlock randomBytes(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    juce::MemoryBlock block(size);
    for (size_t i = 0; i < size; ++i)
        block[i] = static_cast<char>(random());
    return block;
}

juce::MemoryBlock utf16(const juce::String& text, bool byteOrderMark)
{
    juce::MemoryBlock block;
    juce::MemoryOutputStream out(block, false);
    if (byteOrderMark)
        out.writeShort(static_cast<short>(0xfeff));
    for (auto c : text)
        out.writeShort(static_cast<short>(c));
    return block;
}

const juce::String otherDocument = "<Vela><PARAM id=\"time\" value=\"1234\"/><PARAM id=\"mix\" value=\"77\"/></Vela>";

// What each hostile document must not be able to do, whatever its form.
struct HostileText
{
    const char* name;
    juce::MemoryBlock bytes;
};

std::vector<HostileText> hostileTexts()
{
    juce::MemoryOutputStream huge;
    huge << "<Vela>";
    for (int i = 0; i < 200000; ++i)
        huge << "<PARAM id=\"time\" value=\"" << i << "\" extra=\"pad pad pad pad\"/>";
    huge << "<Bad";

    juce::String latin1 = "<Vela><PARAM id=\"time\" value=\"1";
    juce::MemoryBlock latin1Bytes = bytesOf(latin1);
    latin1Bytes.append("\xe9\xff\xfe\"/></Vela>", 12);

    return {
        { "empty", {} },
        { "plain text", bytesOf("hello, this is not xml") },
        { "binary", randomBytes(4096, 1) },
        { "binary with zero bytes", juce::MemoryBlock(1000, true) },
        { "other root", bytesOf("<Other><PARAM id=\"time\" value=\"1234\"/></Other>") },
        { "root in another case", bytesOf("<vela><PARAM id=\"time\" value=\"1234\"/></vela>") },
        { "unclosed root", bytesOf("<Vela><PARAM id=\"time\" value=\"1234\"/>") },
        { "unclosed attribute", bytesOf("<Vela><PARAM id=\"time\" value=\"1234/></Vela>") },
        { "deeply nested", nested(100000) },
        { "nested past the parser's comfort", nested(40) },
        { "huge and broken", huge.getMemoryBlock() },
        { "invalid UTF-8", latin1Bytes },
        { "UTF-16 without byte order mark", utf16(otherDocument, false) },
        // Found by fuzzing: JUCE's parser never returned from it.
        { "attribute without '='",
          bytesOf("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Vela><PARAM id=\"time\" valueF\"<?xml version"
                  "=\"1.0\" encoding=\"UTF-8\"?>\n<Vela><PARAM id=\"09.0\" encoding=\"UTF-8\"?>\n<Vela><PARAM"
                  " id=\"time\" valueF\"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n6\"/></Vela>\n") },
        { "declaration inside an element",
          bytesOf("<?xml version=\"1.0\"?>\n<Vela>\n <?TF-8\"?>\nue=\"0\"->\n <PARAM id=\"time\" value=\"2100\"/>\n</Vela>\n") },
        { "nested one level past the limit", nested(33) },
        { "document type without entities",
          bytesOf("<!DOCTYPE Vela><Vela><PARAM id=\"time\" value=\"1234\"/></Vela>") },
        { "external entity",
          bytesOf("<!DOCTYPE Vela [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><Vela><PARAM id=\"time\" value=\"&x;\"/>"
                  "</Vela>") },
        { "undeclared entity", bytesOf("<Vela><PARAM id=\"time\" value=\"&x;\"/></Vela>") },
        { "more elements and attributes than a state could hold", [] {
              juce::MemoryOutputStream text;
              text << "<Vela><PARAM id=\"time\" value=\"1234\"/>";
              for (int i = 0; i < 3000; ++i)
                  text << "<P" << i << " a" << i << "=\"\"/>";
              text << "</Vela>";
              return text.getMemoryBlock();
          }() },
        { "empty root with more attributes than a state could hold", [] {
              juce::MemoryOutputStream text;
              text << "<Vela";
              for (int i = 0; i < 5000; ++i)
                  text << " a" << i << "=\"\"";
              text << "/>";
              return text.getMemoryBlock();
          }() },
        // Hand editing leaves white space before a document and comments after it; nothing else may follow.
        { "text after the root", bytesOf(otherDocument + "\nleft over") },
        { "a second root after the first", bytesOf(otherDocument + "\n" + otherDocument) },
        { "a second declaration after the root",
          bytesOf(otherDocument + "\n<?xml version=\"1.0\" encoding=\"UTF-8\"?>") },
        { "text before the declaration", bytesOf("x\n<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + otherDocument) },
        { "entity expansion", bytesOf("<!DOCTYPE v [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;\">]>"
                                      "<Vela><PARAM id=\"time\" value=\"&b;\"/></Other>") },
    };
}

class HostileState : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The user's own settings, which nothing hostile may take away.
        for (const auto& [id, value] : { std::pair { "time", 480.0f }, { "feedback", 85.0f }, { "modType", 5.0f },
                                         { "syncTempo", 1.0f }, { "lowpass", 3300.0f } })
        {
            auto* p = processor.valueTreeState.getParameter(id);
            p->setValueNotifyingHost(p->convertTo0to1(value));
        }
        processor.getStateInformation(userChunk);
        userState = state();
    }

    // Each case starts from the user's state, so that one failure does not hide or cause another.
    void restoreUserState() { processor.setStateInformation(userChunk.getData(), static_cast<int>(userChunk.getSize())); }

    // The saved state as text, so that a failure shows what changed.
    juce::String state()
    {
        juce::MemoryBlock block;
        processor.getStateInformation(block);
        return juce::String::fromUTF8(static_cast<const char*>(block.getData()) + 8, static_cast<int>(block.getSize()) - 9);
    }

    TemporaryHome home;
    VelaAudioProcessor processor;
    juce::MemoryBlock userChunk;
    juce::String userState;
};
} // namespace

TEST_F(HostileState, HostileChunksChangeNothing)
{
    for (const auto& hostile : hostileTexts())
    {
        restoreUserState();
        const auto chunk = chunkOf(hostile.bytes, static_cast<juce::uint32>(hostile.bytes.getSize()));
        processor.setStateInformation(chunk.getData(), static_cast<int>(chunk.getSize()));
        EXPECT_EQ(state(), userState) << hostile.name;

        // And the same bytes handed over raw, without the chunk's header.
        restoreUserState();
        processor.setStateInformation(hostile.bytes.getData(), static_cast<int>(hostile.bytes.getSize()));
        EXPECT_EQ(state(), userState) << hostile.name << ", without header";
    }
}

TEST_F(HostileState, ChunksWithLyingHeadersChangeNothing)
{
    const auto good = chunkOf(otherDocument);
    const struct
    {
        const char* name;
        juce::MemoryBlock chunk;
    } cases[] = {
        { "length 0", chunkOf(bytesOf(otherDocument), 0) },
        { "length beyond the data, text cut short", chunkOf(bytesOf(otherDocument.substring(0, 30)), 0xffffffffu) },
        { "length of 2 GB", chunkOf(bytesOf("<Vela"), 0x80000000u) },
        { "wrong magic", [&] { auto c = good; c[0] = 'x'; return c; }() },
    };

    for (const auto& c : cases)
    {
        restoreUserState();
        processor.setStateInformation(c.chunk.getData(), static_cast<int>(c.chunk.getSize()));
        EXPECT_EQ(state(), userState) << c.name;
    }

    processor.setStateInformation(nullptr, 0);
    processor.setStateInformation(good.getData(), 0);
    processor.setStateInformation(good.getData(), -5);
    EXPECT_EQ(state(), userState) << "null, empty or negative size";
}

// Every prefix of a chunk the plug-in saved: none of them may half-apply, since the host's copy is damaged.
TEST_F(HostileState, EveryTruncationOfASavedChunkChangesNothing)
{
    VelaAudioProcessor other;
    other.setStateInformation(chunkOf(otherDocument).getData(), static_cast<int>(chunkOf(otherDocument).getSize()));
    juce::MemoryBlock saved;
    other.getStateInformation(saved);

    for (size_t cut = 0; cut + 2 < saved.getSize(); ++cut)
    {
        restoreUserState();
        processor.setStateInformation(saved.getData(), static_cast<int>(cut));
        ASSERT_EQ(state(), userState) << "chunk cut to " << cut << " of " << saved.getSize() << " bytes";
    }
}

// Well-formed documents load, whatever an editor or another tool made of them.
TEST_F(HostileState, WellFormedDocumentsLoadAsChunkAndAsPresetFile)
{
    juce::MemoryBlock utf8WithMark("\xef\xbb\xbf", 3);
    utf8WithMark.append(otherDocument.toRawUTF8(), otherDocument.getNumBytesAsUTF8());
    const char latin1[] = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<Vela><!-- r\xe9glage --><PARAM id=\"time\" "
                          "value=\"1234\" note=\"caf\xe9\"/><PARAM id=\"mix\" value=\"77\"/></Vela>";

    const struct
    {
        const char* name;
        juce::MemoryBlock bytes;
        bool asChunkToo;
    } cases[] = {
        { "UTF-8 with byte order mark", utf8WithMark, true },
        { "UTF-16 with byte order mark", utf16(otherDocument, true), false },
        { "ISO-8859-1 with its declaration", { latin1, sizeof(latin1) - 1 }, true },
        { "comment holding < and >",
          bytesOf("<Vela><!-- <PARAM id=\"time\" value=\"1\"/> -> --><PARAM id=\"time\" value=\"1234\"/>"
                  "<PARAM id=\"mix\" value=\"77\"/></Vela>"),
          true },
        { "CDATA section",
          bytesOf("<Vela><![CDATA[<PARAM id=\"time\" value=\"1\"/>]]><PARAM id=\"time\" value=\"1234\"/>"
                  "<PARAM id=\"mix\" value=\"77\"/></Vela>"),
          true },
        { "processing instructions after the declaration and inside",
          bytesOf("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?editor keep=\"yes\"?>\n<Vela><?note ?>"
                  "<PARAM id=\"time\" value=\"1234\"/><PARAM id=\"mix\" value=\"77\"/></Vela>"),
          true },
        { "blank lines and spaces before the declaration",
          bytesOf("\n\r\n  \t<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + otherDocument + "\n"), true },
        { "byte order mark and a blank line before the declaration",
          [] {
              juce::MemoryBlock bytes("\xef\xbb\xbf\n", 4);
              const juce::String text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + otherDocument;
              bytes.append(text.toRawUTF8(), text.getNumBytesAsUTF8());
              return bytes;
          }(),
          true },
        { "white space, comments and processing instructions after the root",
          bytesOf("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + otherDocument
                  + "\n\n<!-- saved by hand -->\n<?editor keep=\"yes\"?>\n  \n"),
          true },
        { "character and predefined entity references",
          bytesOf("<Vela><PARAM id=\"t&#105;me\" value=\"&#49;&#x32;34\"/><PARAM id=\"mix\" value=\"77\" "
                  "note=\"&lt;&amp;&gt;&quot;&apos;\"/></Vela>"),
          true },
    };

    for (const auto& c : cases)
    {
        restoreUserState();
        const auto file = home.folder.getChildFile("WellFormed.preset");
        ASSERT_TRUE(file.replaceWithData(c.bytes.getData(), c.bytes.getSize()));
        EXPECT_TRUE(processor.loadPresetFile(file)) << c.name;
        EXPECT_EQ(LumJuceParameter::plainValue(processor.valueTreeState, "time"), 1234.0f) << c.name;
        EXPECT_EQ(LumJuceParameter::plainValue(processor.valueTreeState, "mix"), 77.0f) << c.name;

        if (! c.asChunkToo)
            continue;

        restoreUserState();
        const auto chunk = chunkOf(c.bytes, static_cast<juce::uint32>(c.bytes.getSize()));
        processor.setStateInformation(chunk.getData(), static_cast<int>(chunk.getSize()));
        EXPECT_EQ(LumJuceParameter::plainValue(processor.valueTreeState, "time"), 1234.0f) << c.name << ", as chunk";
        EXPECT_EQ(LumJuceParameter::plainValue(processor.valueTreeState, "mix"), 77.0f) << c.name << ", as chunk";
    }
}

TEST_F(HostileState, HostilePresetFilesChangeNothingAndLoseNothing)
{
    const auto folder = home.presetFolder();
    folder.createDirectory();
    const auto userPreset = folder.getChildFile("Mine.preset");
    ASSERT_TRUE(processor.writePresetFile(userPreset));
    const auto userPresetText = userPreset.loadFileAsString();

    for (const auto& hostile : hostileTexts())
    {
        const auto file = folder.getChildFile("Hostile.preset");
        // Not replaceWithData: given no bytes it deletes the file instead of leaving it empty.
        file.deleteFile();
        ASSERT_TRUE(file.create().wasOk());
        ASSERT_TRUE(file.appendData(hostile.bytes.getData(), hostile.bytes.getSize()));

        restoreUserState();
        EXPECT_FALSE(processor.loadPresetFile(file)) << hostile.name;
        EXPECT_EQ(state(), userState) << hostile.name;

        const int index = processor.getAllProgramsNames().indexOf("Hostile");
        ASSERT_GE(index, 0);
        restoreUserState();
        processor.setCurrentProgram(index);
        EXPECT_EQ(state(), userState) << hostile.name << ", as a program";
    }

    const auto tooLarge = folder.getChildFile("Huge.preset");
    {
        juce::FileOutputStream out(tooLarge);
        out << "<Vela>";
        for (int i = 0; i < 100000; ++i)
            out << "<PARAM id=\"pad\" value=\"" << i << "\"/>";
        out << "<PARAM id=\"time\" value=\"1\"/></Vela>";
    }
    EXPECT_FALSE(processor.loadPresetFile(tooLarge));
    EXPECT_FALSE(processor.loadPresetFile(folder.getChildFile("Missing.preset")));
    EXPECT_FALSE(processor.loadPresetFile(folder));
    EXPECT_EQ(state(), userState) << "too large, missing or a folder";

    EXPECT_EQ(userPreset.loadFileAsString(), userPresetText) << "loading touched the user's own preset";
    EXPECT_TRUE(processor.loadPresetFile(userPreset));
    EXPECT_EQ(state(), userState);
}

// The fuzzers' seeds are cases of their own: each is read, or refused, as when it was found.
TEST_F(HostileState, FuzzSeedsAreReadOrRefusedAsExpected)
{
    const juce::File corpus(VELA_FUZZ_CORPUS_DIR);
    const std::map<juce::String, bool> loads = {
        { "preset/saved.preset", true },
        { "preset/partial.preset", true },
        { "preset/number-overflow.preset", true },
        { "preset/second-element-number-overflow.preset", true },
        { "preset/attribute-without-equals.preset", false },
        { "preset/declaration-inside-element.preset", false },
        { "state/saved.chunk", true },
        { "state/other-root.chunk", false },
    };

    for (const auto& seed : corpus.findChildFiles(juce::File::findFiles, true))
    {
        const auto name = seed.getRelativePathFrom(corpus);
        if (name.startsWith("wav/"))
            continue;

        const auto expected = loads.find(name);
        ASSERT_NE(expected, loads.end()) << name << ": a new seed, to be added to this table";

        restoreUserState();
        if (seed.hasFileExtension("preset"))
        {
            processor.loadPresetFile(seed);
        }
        else
        {
            juce::MemoryBlock chunk;
            ASSERT_TRUE(seed.loadFileAsData(chunk));
            processor.setStateInformation(chunk.getData(), static_cast<int>(chunk.getSize()));
        }
        EXPECT_EQ(state() != userState, expected->second) << name;
    }
}
