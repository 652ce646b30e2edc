#pragma once

#include <juce_core/juce_core.h>

#include <cstdlib>

// A HOME holding the factory bank, for the plug-in instances created while it lives.
class BankHome
{
public:
    static juce::File factoryBank() { return juce::File(VELA_FACTORY_PRESETS_DIR); }

    BankHome() : previous(std::getenv("HOME"))
    {
        const auto folder = home.getChildFile("Quillon/Vela/Presets");
        folder.createDirectory();
        for (const auto& file : factoryBank().findChildFiles(juce::File::findFiles, false, "*.preset"))
            file.copyFileTo(folder.getChildFile(file.getFileName()));
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

