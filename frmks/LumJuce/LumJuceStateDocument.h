#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>
#include <optional>

// The state document (the parameter tree as XML) and its two stored forms: the host's state chunk and the
// preset file. The bytes match what earlier builds wrote, so saved projects and presets stay readable both ways.
namespace LumJuceStateDocument
{
// The tree as XML. Numbers are written with up to twenty significant digits and no trailing ".0"
// (250, 0.25, 15000), as the stored files have always had them.
std::unique_ptr<juce::XmlElement> fromTree(const juce::ValueTree& tree);

// Magic 0x21324356, the text's length, the document as UTF-8 on one line without declaration, a zero byte.
void writeChunk(const juce::XmlElement& document, juce::MemoryBlock& destination);
// The document in a chunk, or null for anything else (short, wrong magic, empty, not a well-formed document, or
// one that LumJuceXmlReader refuses).
std::unique_ptr<juce::XmlElement> readChunk(const void* data, int sizeInBytes);

// A complete XML document: declaration, indented, lines wrapped at 60.
bool writePresetFile(const juce::XmlElement& document, const juce::File& file);
// The document in a preset file, or null when it is missing, unreadable, or not a document the chunk would hold;
// then `whyRefused`, when given, says which, for a person.
std::unique_ptr<juce::XmlElement> readPresetFile(const juce::File& file, juce::String* whyRefused = nullptr);

// A value attribute's number: decimal text, optionally signed, with or without exponent, and finite.
std::optional<double> readNumber(const juce::String& text);
} // namespace LumJuceStateDocument
