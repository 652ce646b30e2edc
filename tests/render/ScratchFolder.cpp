#include "ScratchFolder.h"

ScratchFolder::ScratchFolder()
    : folder(juce::File::getSpecialLocation(juce::File::tempDirectory).getNonexistentChildFile("vela-render-test", ""))
{
    folder.createDirectory();
}

ScratchFolder::~ScratchFolder()
{
    folder.deleteRecursively();
}

juce::File ScratchFolder::file(const juce::String& name) const
{
    return folder.getChildFile(name);
}

juce::StringArray ScratchFolder::names() const
{
    juce::StringArray result;

    for (const auto& entry : juce::RangedDirectoryIterator(folder, false, "*", juce::File::findFilesAndDirectories))
        result.add(entry.getFile().getFileName());

    result.sort(false);
    return result;
}
