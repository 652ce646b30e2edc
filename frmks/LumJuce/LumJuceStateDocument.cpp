#include "LumJuceStateDocument.h"

#include <locale>
#include <sstream>

namespace LumJuceStateDocument
{
namespace
{
constexpr juce::uint32 chunkMagic = 0x21324356;

// A state document is two levels deep and a few kilobytes long; anything far beyond that is not one,
// and refusing it early keeps the recursive parser away from hostile nesting.
constexpr int deepestNesting = 32;
constexpr juce::int64 largestPresetFileBytes = 1 << 20;

juce::String numberText(double value)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.precision(20);
    out << value;
    return out.str();
}

juce::String propertyText(const juce::var& value)
{
    if (value.isDouble())
        return numberText(static_cast<double>(value));

    return value.toString();
}

// Counts how deep elements open without parsing: "<name" opens, "</" and a tag's own "/>" close;
// quoted attribute values are skipped so that they can't hide an opening.
bool nestsWithin(const juce::String& text, int limit)
{
    int depth = 0;
    bool inTag = false;
    juce::juce_wchar quote = 0;
    auto p = text.getCharPointer();

    for (juce::juce_wchar c = p.getAndAdvance(); c != 0; c = p.getAndAdvance())
    {
        if (quote != 0)
        {
            if (c == quote)
                quote = 0;
        }
        else if (inTag)
        {
            if (c == '"' || c == '\'')
                quote = c;
            else if (c == '>')
                inTag = false;
            else if (c == '/' && *p == '>')
                --depth;
        }
        else if (c == '<')
        {
            inTag = true;
            const auto next = *p;

            if (next == '/')
                --depth;
            else if (next != '?' && next != '!' && ++depth > limit)
                return false;
        }
    }

    return true;
}

bool isNameChar(juce::juce_wchar c)
{
    return juce::CharacterFunctions::isLetterOrDigit(c) || c == '_' || c == '-' || c == ':' || c == '.';
}

// Every tag is <name attribute="value" ...>, <name .../>, </name>, or <!...> up to the next '>', and <?...>
// comes only first, as the declaration. JUCE's parser can loop for ever on other shapes (an attribute without
// '=', a processing instruction inside an element: both found by fuzzing), so only such documents reach it.
bool tagsWellShaped(const juce::String& text)
{
    auto p = text.getCharPointer().findEndOfWhitespace();
    const auto start = p;
    const auto skipSpace = [&p] { p = p.findEndOfWhitespace(); };
    const auto skipName = [&p] {
        const auto nameStart = p;
        while (isNameChar(*p))
            ++p;
        return p != nameStart;
    };

    for (juce::juce_wchar c = p.getAndAdvance(); c != 0; c = p.getAndAdvance())
    {
        if (c != '<')
            continue;

        if (*p == '?' && p != start + 1)
            return false;

        if (*p == '?' || *p == '!')
        {
            while (*p != 0 && *p != '>')
                ++p;
            if (p.getAndAdvance() != '>')
                return false;
            continue;
        }

        const bool closing = *p == '/';
        if (closing)
            ++p;
        if (! skipName())
            return false;

        for (skipSpace(); *p != '>'; skipSpace())
        {
            if (! closing && *p == '/')
            {
                ++p;
                break;
            }
            if (closing || ! skipName())
                return false;
            skipSpace();
            if (p.getAndAdvance() != '=')
                return false;
            skipSpace();
            const auto quote = p.getAndAdvance();
            if (quote != '"' && quote != '\'')
                return false;
            while (*p != 0 && *p != quote)
                ++p;
            if (p.getAndAdvance() != quote)
                return false;
        }

        if (p.getAndAdvance() != '>')
            return false;
    }

    return true;
}

// JUCE's parser hands back whatever it has when the input ends, so a document cut off inside its root tag
// ("<Vela") would read as an empty state; and it carries on past unknown entities and bad escapes.
// Neither may replace the user's settings.
std::unique_ptr<juce::XmlElement> parse(const juce::String& text)
{
    if (! nestsWithin(text, deepestNesting) || ! tagsWellShaped(text) || ! text.trimEnd().endsWithChar('>'))
        return nullptr;

    juce::XmlDocument document(text);
    auto element = document.getDocumentElement();
    return document.getLastParseError().isEmpty() ? std::move(element) : nullptr;
}

// Text in the wrong encoding is refused rather than read as garbage: UTF-8, or UTF-16 with its byte order mark.
juce::String textOf(const void* data, size_t size)
{
    const auto* bytes = static_cast<const juce::uint8*>(data);
    const bool utf16 = size >= 2 && ((bytes[0] == 0xff && bytes[1] == 0xfe) || (bytes[0] == 0xfe && bytes[1] == 0xff));

    if (! utf16 && ! juce::CharPointer_UTF8::isValidString(static_cast<const char*>(data), static_cast<int>(size)))
        return {};

    // Skips a UTF-8 byte order mark too, as reading the file as text always did.
    return juce::String::createStringFromData(data, static_cast<int>(size));
}
} // namespace

std::unique_ptr<juce::XmlElement> fromTree(const juce::ValueTree& tree)
{
    auto element = std::make_unique<juce::XmlElement>(tree.getType());

    for (int i = 0; i < tree.getNumProperties(); ++i)
    {
        const auto name = tree.getPropertyName(i);
        element->setAttribute(name, propertyText(tree.getProperty(name)));
    }

    for (const auto& child : tree)
        element->addChildElement(fromTree(child).release());

    return element;
}

void writeChunk(const juce::XmlElement& document, juce::MemoryBlock& destination)
{
    destination.reset();
    {
        juce::MemoryOutputStream out(destination, false);
        out.writeInt(static_cast<int>(chunkMagic));
        out.writeInt(0);
        document.writeTo(out, juce::XmlElement::TextFormat().singleLine().withoutHeader());
        out.writeByte(0);
    }

    const auto textLength = juce::ByteOrder::swapIfBigEndian(static_cast<juce::uint32>(destination.getSize() - 9));
    destination.copyFrom(&textLength, 4, 4);
}

std::unique_ptr<juce::XmlElement> readChunk(const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes <= 8 || juce::ByteOrder::littleEndianInt(data) != chunkMagic)
        return nullptr;

    const auto declaredLength = juce::ByteOrder::littleEndianInt(juce::addBytesToPointer(data, 4));
    const auto available = static_cast<juce::uint32>(sizeInBytes - 8);
    const auto length = std::min(declaredLength, available);

    if (length == 0)
        return nullptr;

    return parse(textOf(static_cast<const char*>(data) + 8, length));
}

bool writePresetFile(const juce::XmlElement& document, const juce::File& file)
{
    return document.writeTo(file, juce::XmlElement::TextFormat());
}

std::unique_ptr<juce::XmlElement> readPresetFile(const juce::File& file)
{
    if (! file.existsAsFile() || file.getSize() > largestPresetFileBytes)
        return nullptr;

    juce::MemoryBlock bytes;
    if (! file.loadFileAsData(bytes))
        return nullptr;

    return parse(textOf(bytes.getData(), bytes.getSize()));
}
} // namespace LumJuceStateDocument
