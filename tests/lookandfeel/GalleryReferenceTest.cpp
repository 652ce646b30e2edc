// The whole look at once: the gallery picture against the committed reference, so that any change to how
// something is drawn shows up. After an intended change, write a new reference with
//   vela-gallery tests/lookandfeel/gallery-reference.png
// and look at it before committing it.
#include "GallerySheet.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace juce;

namespace
{
// Room for rounding in the rasteriser, not for anything a person would see.
const int channelTolerance = 8;
const double differingFractionAllowed = 0.0002;

bool differs(Colour a, Colour b)
{
    return std::abs(a.getAlpha() - b.getAlpha()) > channelTolerance
           || std::abs(a.getRed() - b.getRed()) > channelTolerance
           || std::abs(a.getGreen() - b.getGreen()) > channelTolerance
           || std::abs(a.getBlue() - b.getBlue()) > channelTolerance;
}

File keepForInspection(const Image& image)
{
    const auto file = File::getSpecialLocation(File::tempDirectory).getNonexistentChildFile("vela-gallery-actual", ".png");
    FileOutputStream stream(file);
    PNGImageFormat().writeImageToStream(image, stream);
    return file;
}
} // namespace

TEST(Gallery, MatchesTheReferencePicture)
{
    const auto reference = ImageFileFormat::loadFrom(File(VELA_GALLERY_REFERENCE));
    ASSERT_TRUE(reference.isValid()) << "cannot read " << VELA_GALLERY_REFERENCE;

    const auto actual = renderGallery();
    ASSERT_EQ(actual.getBounds(), reference.getBounds()) << "the gallery's size changed; picture in "
                                                         << keepForInspection(actual).getFullPathName();

    int differing = 0;
    for (int y = 0; y < actual.getHeight(); ++y)
        for (int x = 0; x < actual.getWidth(); ++x)
            differing += differs(actual.getPixelAt(x, y), reference.getPixelAt(x, y)) ? 1 : 0;

    const double fraction = (double) differing / (actual.getWidth() * actual.getHeight());
    EXPECT_LE(fraction, differingFractionAllowed)
        << differing << " pixels differ; picture in " << keepForInspection(actual).getFullPathName();
}
