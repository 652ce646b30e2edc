#include "UserSettings.h"

#include "LumJucePresetFolder.h"
#include "LumJuceStateDocument.h"

namespace
{
const juce::Identifier rootTag { "Settings" };

// Read through the same guarded reader as preset files: the file is the user's to edit, or to break.
std::unique_ptr<juce::XmlElement> readSettings(const juce::File& file)
{
    auto document = LumJuceStateDocument::readPresetFile(file);
    return document != nullptr && document->hasTagName(rootTag.toString()) ? std::move(document) : nullptr;
}
} // namespace

UserSettings::UserSettings(const juce::String& productName)
    : file(LumJucePresetFolder::productFolderFor(productName) + "Settings.xml")
{
}

int UserSettings::getInt(const juce::Identifier& key, int defaultValue) const
{
    const auto document = readSettings(file);
    return document != nullptr ? document->getIntAttribute(key, defaultValue) : defaultValue;
}

bool UserSettings::setInt(const juce::Identifier& key, int value)
{
    auto document = readSettings(file);
    if (document == nullptr)
        document = std::make_unique<juce::XmlElement>(rootTag);

    document->setAttribute(key, value);
    return file.getParentDirectory().createDirectory().wasOk()
           && LumJuceStateDocument::writePresetFile(*document, file);
}
