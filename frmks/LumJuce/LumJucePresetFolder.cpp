#include "LumJucePresetFolder.h"

int PresetSorter::compareElements(const juce::File& a, const juce::File& b)
{
    const auto nameA = a.getFileNameWithoutExtension();
    const auto nameB = b.getFileNameWithoutExtension();
    const bool initA = nameA == "Init";
    const bool initB = nameB == "Init";

    if (initA != initB)
        return initA ? -1 : 1;

    if (const int byName = nameA.compareNatural(nameB, false); byName != 0)
        return byName;

    // Names that differ only in case (or not at all, as with hidden "._" copies) still need one order.
    return a.getFileName().compare(b.getFileName());
}

namespace LumJucePresetFolder
{
juce::String productFolderFor(const juce::String& productName)
{
    juce::PropertiesFile::Options options;
    options.applicationName = productName;
    options.filenameSuffix = "xml";
    options.folderName = "Quillon";
    options.osxLibrarySubFolder = "Application Support";
    options.commonToAllUsers = false;
    options.ignoreCaseOfKeyNames = true;
    options.storageFormat = juce::PropertiesFile::storeAsXML;

    const auto settingsFolder = options.getDefaultFile().getParentDirectory().getFullPathName();
    const auto separator = juce::File::getSeparatorString();

    return juce::File::createLegalPathName(settingsFolder) + separator + productName + separator;
}

juce::String pathFor(const juce::String& productName)
{
    return productFolderFor(productName) + "Presets" + juce::File::getSeparatorString();
}

juce::Array<juce::File> list(const juce::String& folderPath)
{
    if (folderPath.isEmpty())
        return {};

    const juce::File folder(folderPath);
    auto files = folder.findChildFiles(juce::File::findFiles, false, "*.preset", juce::File::FollowSymlinks::yes);

    PresetSorter sorter;
    files.sort(sorter, true);
    return files;
}

juce::String nameProblem(const juce::String& name)
{
    if (name.trim().isEmpty())
        return "Please type a name for the preset.";

    if (name.containsAnyOf("/\\"))
        return "A preset name can't contain \"/\" or \"\\\".";

    // Such files are hidden, and "." and ".." are no files at all.
    if (name.startsWithChar('.'))
        return "A preset name can't begin with a dot.";

    return {};
}
} // namespace LumJucePresetFolder
