// vela-artwork OUT_DIR: writes the editor's background (bg.png, and bg_4x.png at twice its size) and the logo
// (logo.png) into OUT_DIR.
// vela-artwork --preview FILE: writes the panel as the editor shows it, with every control's bounds outlined.
#include "Artwork.h"
#include "PanelLayout.h"

#include <juce_events/juce_events.h>

#include <iostream>

namespace
{
bool writePng(const juce::Image& image, const juce::File& file)
{
    file.deleteFile();
    juce::FileOutputStream stream(file);
    return stream.openedOk() && juce::PNGImageFormat().writeImageToStream(image, stream);
}

bool write(const juce::Image& image, const juce::File& file)
{
    if (writePng(image, file))
        return true;
    std::cerr << "vela-artwork: cannot write " << file.getFullPathName() << "\n";
    return false;
}
} // namespace

int main(int argc, char* argv[])
{
    const juce::StringArray args(argv + 1, argc - 1);
    const auto isPreview = args.size() == 2 && args[0] == "--preview";
    if (! isPreview && args.size() != 1)
    {
        std::cerr << "usage: vela-artwork OUT_DIR\n       vela-artwork --preview FILE\n";
        return 2;
    }

    // Fonts and images want JUCE's GUI side set up; nothing here opens a window.
    const juce::ScopedJuceInitialiser_GUI juceInitialiser;
    const auto here = juce::File::getCurrentWorkingDirectory();

    if (isPreview)
    {
        const auto picture = Artwork::background(PanelLayout::pictureScale);
        return write(Artwork::preview(picture), here.getChildFile(args[1])) ? 0 : 1;
    }

    const auto folder = here.getChildFile(args[0]);
    if (! folder.createDirectory())
    {
        std::cerr << "vela-artwork: cannot create " << folder.getFullPathName() << "\n";
        return 1;
    }
    const bool written = write(Artwork::background(PanelLayout::pictureScale), folder.getChildFile("bg.png"))
                         && write(Artwork::background(PanelLayout::largePictureScale), folder.getChildFile("bg_4x.png"))
                         && write(Artwork::logo(), folder.getChildFile("logo.png"));
    return written ? 0 : 1;
}
