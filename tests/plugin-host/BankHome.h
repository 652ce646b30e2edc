#pragma once

#include <juce_core/juce_core.h>

#include <cstdlib>

// A HOME holding the factory bank, for the plug-in instances created while it lives: copied from
// resources/presets, or left for the first instance to write, as on a user's first open.
class BankHome
{
public:
    enum Bank
    {
        copied,
        writtenOnFirstOpen
    };

    static juce::File factoryBank() { return juce::File(VELA_FACTORY_PRESETS_DIR); }

    explicit BankHome(Bank bank = copied) : previous(std::getenv("HOME"))
    {
        home.createDirectory();
        if (bank == copied)
        {
            const auto folder = home.getChildFile("Quillon/Vela/Presets");
            folder.createDirectory();
            for (const auto& file : factoryBank().findChildFiles(juce::File::findFiles, false, "*.preset"))
                file.copyFileTo(folder.getChildFile(file.getFileName()));
        }
        setenv("HOME", home.getFullPathName().toRawUTF8(), 1);
    }

    ~BankHome()
    {
        setenv("HOME", previous.toRawUTF8(), 1);
        home.deleteRecursively();
    }

private:
    const juce::String previous;
    const juce::File home { juce::File::createTempFile("vela-bank-home") };
};
