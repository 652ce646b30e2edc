#include "LumJuceXmlReader.h"

#include <expat.h>

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <vector>

namespace LumJuceXmlReader
{
static_assert(std::is_same_v<XML_Char, char>, "expat hands over names and values as UTF-8");

namespace
{
class TreeBuilder
{
public:
    TreeBuilder(XML_Parser parserToStop, const Limits& limitsToKeep) : parser(parserToStop), limits(limitsToKeep) {}

    void open(const XML_Char* name, const XML_Char** attributes)
    {
        // Adding an element or attribute walks those before it, and JUCE keeps every name for good.
        nodes += 1 + attributeCount(attributes);
        if (static_cast<int>(openElements.size()) >= limits.deepestNesting)
            return refuse("it is nested too deeply");
        if (nodes > limits.mostNodes)
            return refuse("it holds too many elements");

        auto element = std::make_unique<juce::XmlElement>(juce::String::fromUTF8(name));
        for (auto* attribute = attributes; *attribute != nullptr; attribute += 2)
            element->setAttribute(juce::String::fromUTF8(attribute[0]), juce::String::fromUTF8(attribute[1]));

        auto* added = element.get();
        if (openElements.empty())
            root = std::move(element);
        else
            openElements.back()->addChildElement(element.release());
        openElements.push_back(added);
    }

    // expat still reports the end of an empty element whose start was refused.
    void close()
    {
        if (! refused)
            openElements.pop_back();
    }

    void refuse(const char* why)
    {
        refused = true;
        reason = why;
        XML_StopParser(parser, XML_FALSE);
    }

    const char* refusal() const { return refused ? reason : nullptr; }

    std::unique_ptr<juce::XmlElement> takeRoot() { return refused ? nullptr : std::move(root); }

private:
    static int attributeCount(const XML_Char** attributes)
    {
        int count = 0;
        while (attributes[2 * count] != nullptr)
            ++count;
        return count;
    }

    XML_Parser parser;
    const Limits& limits;
    std::unique_ptr<juce::XmlElement> root;
    std::vector<juce::XmlElement*> openElements;
    int nodes = 0;
    bool refused = false;
    const char* reason = nullptr;
};

TreeBuilder& builderOf(void* userData) { return *static_cast<TreeBuilder*>(userData); }

// XML allows UTF-16 only after a byte order mark; expat would guess it from a NUL byte, which is never text.
bool startsWithNul(const unsigned char* bytes, size_t size)
{
    return bytes[0] == 0 || (size >= 2 && bytes[1] == 0);
}

// Where the document begins once a UTF-8 byte order mark and white space in any order are passed over: expat
// takes a declaration only as the very first bytes.
size_t documentStart(const unsigned char* bytes, size_t size)
{
    static constexpr unsigned char byteOrderMark[] = { 0xef, 0xbb, 0xbf };
    size_t start = 0;
    for (;;)
    {
        if (size - start >= 3 && std::memcmp(bytes + start, byteOrderMark, 3) == 0)
            start += 3;
        else if (start < size && (bytes[start] == ' ' || bytes[start] == '\t' || bytes[start] == '\r' || bytes[start] == '\n'))
            ++start;
        else
            return start;
    }
}

std::unique_ptr<juce::XmlElement> refusedFor(const juce::String& why, juce::String* whyRefused)
{
    if (whyRefused != nullptr)
        *whyRefused = why;
    return nullptr;
}
} // namespace

std::unique_ptr<juce::XmlElement> read(const void* data, size_t size, const Limits& limits, juce::String* whyRefused)
{
    if (data == nullptr || size == 0)
        return refusedFor("it is empty", whyRefused);
    if (size > limits.largestDocumentBytes)
        return refusedFor("it is too large", whyRefused);

    const auto start = documentStart(static_cast<const unsigned char*>(data), size);
    const auto* bytes = static_cast<const unsigned char*>(data) + start;
    size -= start;
    if (size == 0)
        return refusedFor("it is empty", whyRefused);
    if (startsWithNul(bytes, size))
        return refusedFor("it is not text", whyRefused);

    const std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(XML_ParserCreate(nullptr),
                                                                             &XML_ParserFree);
    if (parser == nullptr)
        return nullptr;

    TreeBuilder builder(parser.get(), limits);
    XML_SetUserData(parser.get(), &builder);
    XML_SetElementHandler(
        parser.get(),
        [](void* user, const XML_Char* name, const XML_Char** attributes) { builderOf(user).open(name, attributes); },
        [](void* user, const XML_Char*) { builderOf(user).close(); });
    // Entities are declared only inside a DTD: without one there is nothing to expand.
    XML_SetStartDoctypeDeclHandler(parser.get(), [](void* user, const XML_Char*, const XML_Char*, const XML_Char*,
                                                    int) { builderOf(user).refuse("it holds a DTD"); });

    if (XML_Parse(parser.get(), reinterpret_cast<const char*>(bytes), static_cast<int>(size), XML_TRUE) != XML_STATUS_OK)
    {
        if (const auto* refusal = builder.refusal())
            return refusedFor(refusal, whyRefused);

        const auto* skipped = static_cast<const char*>(data);
        const auto line = static_cast<long>(XML_GetCurrentLineNumber(parser.get()))
                          + static_cast<long>(std::count(skipped, skipped + start, '\n'));
        return refusedFor(juce::String("it is not well-formed XML: ") + XML_ErrorString(XML_GetErrorCode(parser.get()))
                              + " in line " + juce::String(line),
                          whyRefused);
    }

    return builder.takeRoot();
}
} // namespace LumJuceXmlReader
