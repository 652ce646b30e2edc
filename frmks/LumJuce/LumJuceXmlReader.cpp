#include "LumJuceXmlReader.h"

#include <expat.h>

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
        if (static_cast<int>(openElements.size()) >= limits.deepestNesting || nodes > limits.mostNodes)
            return refuse();

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

    void refuse()
    {
        refused = true;
        XML_StopParser(parser, XML_FALSE);
    }

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
};

TreeBuilder& builderOf(void* userData) { return *static_cast<TreeBuilder*>(userData); }

// XML allows UTF-16 only after a byte order mark; expat would guess it from a NUL byte, which is never text.
bool startsWithNul(const unsigned char* bytes, size_t size)
{
    return bytes[0] == 0 || (size >= 2 && bytes[1] == 0);
}
} // namespace

std::unique_ptr<juce::XmlElement> read(const void* data, size_t size, const Limits& limits)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (data == nullptr || size == 0 || size > limits.largestDocumentBytes || startsWithNul(bytes, size))
        return nullptr;

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
                                                    int) { builderOf(user).refuse(); });

    if (XML_Parse(parser.get(), static_cast<const char*>(data), static_cast<int>(size), XML_TRUE) != XML_STATUS_OK)
        return nullptr;

    return builder.takeRoot();
}
} // namespace LumJuceXmlReader
