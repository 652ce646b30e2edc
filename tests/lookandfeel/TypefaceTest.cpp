// Every font resolves to the one embedded face, which the build carries as BinaryData::Bariol_Bold_otf.
#include "OffscreenDrawing.h"

#include <BinaryData.h>

#include <gtest/gtest.h>

#include <cstring>

using namespace juce;

TEST(Typeface, EveryFontResolvesToTheEmbeddedFace)
{
    const auto embedded = OffscreenDrawing::lookAndFeel().getTypefaceForFont(Font());
    ASSERT_NE(embedded, nullptr);

    const Font fonts[] = {
        Font(),
        Font("Bariol", 12.0f, Font::plain),
        Font("No Such Face Anywhere", 20.0f, Font::bold),
        Font(Font::getDefaultSerifFontName(), 9.0f, Font::italic),
        Font(Font::getDefaultMonospacedFontName(), 30.0f, Font::bold | Font::underlined),
    };

    for (const auto& font : fonts)
        EXPECT_EQ(font.getTypefacePtr(), embedded) << font.getTypefaceName();
}

TEST(Typeface, IsTheFaceInTheResourceAndSharedByAllInstances)
{
    LumJuceLookAndFeelModern first, second;
    const auto fromResource =
        Typeface::createSystemTypefaceFor(BinaryData::Bariol_Bold_otf, (size_t) BinaryData::Bariol_Bold_otfSize);

    EXPECT_EQ(first.getTypefaceForFont(Font()), second.getTypefaceForFont(Font("Other", 5.0f, Font::plain)));
    EXPECT_EQ(first.getTypefaceForFont(Font())->getName(), fromResource->getName());
    EXPECT_EQ(first.getTypefaceForFont(Font())->getStyle(), fromResource->getStyle());
}

TEST(FontResource, IsAnOpenTypeFontListedUnderItsName)
{
    ASSERT_EQ(BinaryData::namedResourceListSize, 1);
    EXPECT_STREQ(BinaryData::namedResourceList[0], "Bariol_Bold_otf");
    EXPECT_EQ(std::memcmp(BinaryData::Bariol_Bold_otf, "OTTO", 4), 0);
}

TEST(FontResource, GetNamedResourceFindsOnlyItsName)
{
    int size = -1;
    EXPECT_EQ(BinaryData::getNamedResource("Bariol_Bold_otf", size), BinaryData::Bariol_Bold_otf);
    EXPECT_EQ(size, BinaryData::Bariol_Bold_otfSize);

    for (const char* wrongName : { "Bariol_Bold.otf", "bariol_bold_otf", "Bariol_Bold_otf ", "", (const char*) nullptr })
    {
        size = -1;
        EXPECT_EQ(BinaryData::getNamedResource(wrongName, size), nullptr) << (wrongName ? wrongName : "(null)");
        EXPECT_EQ(size, 0) << (wrongName ? wrongName : "(null)");
    }
}
