#pragma once

#include <juce_core/juce_core.h>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

// The preset folder's programs with the values each one loads, read when the folder is listed, so that a program
// change on any thread (a host's audio thread among them) needs no file, heap or lock. Listing happens on the
// threads that may touch files; readers see one whole listing until they are done with it.
class LumJuceProgramList
{
public:
    // Programs past this many, in listing order, are left out of the list (and so out of hosts' program lists):
    // every listed program keeps its values in memory.
    static constexpr int mostPrograms = 1024;

    struct Program
    {
        juce::File file;
        juce::String name;
        // Stays with the file from one listing to the next, so that the current program follows its file.
        int id = 0;
        juce::Time modified;
        juce::int64 size = 0;
        // Normalised, one per parameter in the processor's order; empty when the file is refused.
        std::vector<float> values;
        // Why the file is refused, for a person.
        juce::String problem;
    };

    // A file's values, or none and the reason.
    using ReadValues = std::function<std::vector<float>(const juce::File& file, juce::String& problem)>;

    LumJuceProgramList() = default;
    ~LumJuceProgramList();

    // Lists the folder again; files unchanged since the last listing keep their values without being read.
    // True when the programs (files and order) differ from an earlier listing.
    bool relist(const juce::String& folderPath, const ReadValues& readValues);
    bool isListed() const { return published.load() != nullptr; }

    // The listing at the time it is made, valid while it lives; no heap, no lock.
    class Reading
    {
    public:
        explicit Reading(const LumJuceProgramList& list);
        ~Reading();
        Reading(const Reading&) = delete;
        Reading& operator=(const Reading&) = delete;

        const std::vector<Program>& programs() const;
        // The position of the program with this id, or -1.
        int indexOf(int id) const;

    private:
        const LumJuceProgramList& list;
        const std::vector<Program>* listed;
    };

private:
    struct Listing
    {
        std::vector<Program> programs;
    };

    std::atomic<const Listing*> published { nullptr };
    mutable std::atomic<int> readers { 0 };

    // Among listing threads only; readers never take it.
    juce::CriticalSection relisting;
    std::vector<std::unique_ptr<const Listing>> retired;
    int nextId = 0;

    JUCE_DECLARE_NON_COPYABLE(LumJuceProgramList)
};
