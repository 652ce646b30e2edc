#include "LumJuceProgramList.h"

#include "LumJucePresetFolder.h"

#include <algorithm>

namespace
{
const std::vector<LumJuceProgramList::Program>& noPrograms()
{
    static const std::vector<LumJuceProgramList::Program> none;
    return none;
}

bool sameFiles(const std::vector<LumJuceProgramList::Program>& a, const std::vector<LumJuceProgramList::Program>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const auto& x, const auto& y) { return x.file == y.file; });
}
} // namespace

LumJuceProgramList::~LumJuceProgramList()
{
    delete published.load();
}

bool LumJuceProgramList::relist(const juce::String& folderPath, const ReadValues& readValues)
{
    const juce::ScopedLock lock(relisting);
    const auto* previous = published.load();
    const auto& before = previous != nullptr ? previous->programs : noPrograms();

    auto listing = std::make_unique<Listing>();
    auto files = LumJucePresetFolder::list(folderPath);
    files.removeRange(mostPrograms, files.size());
    bool anyRead = false;

    for (const auto& file : files)
    {
        Program program { file, file.getFileNameWithoutExtension(), 0, file.getLastModificationTime(), file.getSize(),
                          {}, {} };
        const auto known = std::find_if(before.begin(), before.end(), [&](const Program& p) { return p.file == file; });

        if (known != before.end() && known->modified == program.modified && known->size == program.size)
            program = *known;
        else
        {
            program.id = known != before.end() ? known->id : nextId++;
            program.values = readValues(file, program.problem);
            anyRead = true;
        }

        listing->programs.push_back(std::move(program));
    }

    const bool filesChanged = ! sameFiles(listing->programs, before);
    if (previous != nullptr && ! filesChanged && ! anyRead)
        return false;

    retired.emplace_back(published.exchange(listing.release()));
    // A reader that started before the exchange is counted; one that starts after it reads the new listing.
    if (readers.load() == 0)
        retired.clear();

    return previous != nullptr && filesChanged;
}

LumJuceProgramList::Reading::Reading(const LumJuceProgramList& listToRead) : list(listToRead)
{
    list.readers.fetch_add(1);
    const auto* listing = list.published.load();
    listed = listing != nullptr ? &listing->programs : &noPrograms();
}

LumJuceProgramList::Reading::~Reading()
{
    list.readers.fetch_sub(1);
}

const std::vector<LumJuceProgramList::Program>& LumJuceProgramList::Reading::programs() const
{
    return *listed;
}

int LumJuceProgramList::Reading::indexOf(int id) const
{
    for (size_t i = 0; i < listed->size(); ++i)
        if ((*listed)[i].id == id)
            return static_cast<int>(i);

    return -1;
}
