#include "ScratchFolder.h"

#include <stdexcept>
#include <stdlib.h>

namespace
{
// mkdtemp picks the name and creates the folder in one step, so tests running side by side never share one.
juce::File makeUniqueFolder()
{
    const auto base = juce::File::getSpecialLocation(juce::File::tempDirectory).getChildFile("vela-render-test-XXXXXX");
    std::string path = base.getFullPathName().toStdString();

    if (mkdtemp(path.data()) == nullptr)
        throw std::runtime_error("cannot create a folder like " + path);

    return juce::File(path);
}
} // namespace

ScratchFolder::ScratchFolder() : folder(makeUniqueFolder()) {}

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

    for (const auto& entry : juce::RangedDirectoryIterator(folder, true, "*", juce::File::findFilesAndDirectories))
        result.add(entry.getFile().getRelativePathFrom(folder));

    result.sort(false);
    return result;
}
