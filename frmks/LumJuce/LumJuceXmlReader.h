#pragma once

#include <juce_core/juce_core.h>

#include <cstddef>
#include <memory>

// Reads XML through expat into the element tree JUCE's classes take. Any well-formed document in an encoding
// expat knows is read; limits and the absence of any DTD keep a hostile document from costing more than its size.
namespace LumJuceXmlReader
{
struct Limits
{
    size_t largestDocumentBytes;
    int deepestNesting;
    int mostNodes; // elements and attributes together
};

// The document's root element (text, comments and processing instructions left out), or null when the bytes are
// not a well-formed document, hold a DTD, or pass a limit; then `whyRefused`, when given, says which, for a person.
// White space and a UTF-8 byte order mark before the declaration, as hand editing leaves them, are passed over.
std::unique_ptr<juce::XmlElement> read(const void* data, size_t size, const Limits& limits,
                                       juce::String* whyRefused = nullptr);
} // namespace LumJuceXmlReader
