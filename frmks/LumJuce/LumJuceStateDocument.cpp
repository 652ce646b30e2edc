#include "LumJuceStateDocument.h"

#include "LumJuceXmlReader.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <locale>
#include <sstream>

namespace LumJuceStateDocument
{
namespace
{
constexpr juce::uint32 chunkMagic = 0x21324356;

// A state document is two levels deep, a few kilobytes long, and holds some fifty elements and attributes;
// anything far beyond that is not one.
constexpr LumJuceXmlReader::Limits documentLimits { 1 << 20, 32, 4096 };

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

std::unique_ptr<juce::XmlElement> parse(const void* data, size_t size, juce::String* whyRefused = nullptr)
{
    return LumJuceXmlReader::read(data, size, documentLimits, whyRefused);
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

    // The text ends at the chunk's closing zero byte when the length field reaches past it.
    const auto* text = static_cast<const char*>(data) + 8;
    return parse(text, strnlen(text, length));
}

std::optional<double> readNumber(const juce::String& text)
{
    const auto trimmed = text.trim();
    const auto* first = trimmed.toRawUTF8();
    const auto* last = first + trimmed.getNumBytesAsUTF8();
    // from_chars takes no leading '+', which the plug-in never writes but a person might.
    if (last - first > 1 && *first == '+' && first[1] != '-')
        ++first;

    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || ! std::isfinite(value))
        return std::nullopt;

    return value;
}

bool writePresetFile(const juce::XmlElement& document, const juce::File& file)
{
    return document.writeTo(file, juce::XmlElement::TextFormat());
}

std::unique_ptr<juce::XmlElement> readPresetFile(const juce::File& file, juce::String* whyRefused)
{
    const auto refuse = [whyRefused](const char* why) -> std::unique_ptr<juce::XmlElement> {
        if (whyRefused != nullptr)
            *whyRefused = why;
        return nullptr;
    };

    if (! file.existsAsFile())
        return refuse("it is missing");
    if (file.getSize() > static_cast<juce::int64>(documentLimits.largestDocumentBytes))
        return refuse("it is too large");

    juce::MemoryBlock bytes;
    if (! file.loadFileAsData(bytes))
        return refuse("it can't be read");

    return parse(bytes.getData(), bytes.getSize(), whyRefused);
}
} // namespace LumJuceStateDocument
