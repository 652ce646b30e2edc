// vela-gallery OUT.png: paints every control of the plug-in's look and feel onto one picture.
#include "GallerySheet.h"
#include "LumJuceLookAndFeelModern.h"

#include <iostream>

using namespace juce;

static bool writePng(const Image& image, const File& file)
{
    file.deleteFile();
    FileOutputStream stream(file);
    return stream.openedOk() && PNGImageFormat().writeImageToStream(image, stream);
}

int main(int argc, char* argv[])
{
    if (argc != 2)
    {
        std::cerr << "usage: vela-gallery OUT.png\n";
        return 2;
    }

    ScopedJuceInitialiser_GUI juceGui;
    LumJuceLookAndFeelModern lookAndFeel;
    LookAndFeel::setDefaultLookAndFeel(&lookAndFeel);

    const auto file = File::getCurrentWorkingDirectory().getChildFile(String::fromUTF8(argv[1]));
    const bool written = writePng(renderGallery(), file);
    LookAndFeel::setDefaultLookAndFeel(nullptr);

    if (! written)
    {
        std::cerr << "vela-gallery: cannot write " << file.getFullPathName() << "\n";
        return 1;
    }
    return 0;
}
