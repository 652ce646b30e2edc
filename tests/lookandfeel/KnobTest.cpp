// Rotary knobs, read back from the pixels: which form is drawn, where the value ring runs, what hovering,
// disabling and the value text change.
#include "OffscreenDrawing.h"
#include "OffscreenPointer.h"

#include <gtest/gtest.h>

using namespace juce;
using namespace OffscreenDrawing;

namespace
{
const Colour fill(0xff16e4d4);
const Colour outline(0xffff0000);
const Colour track(0x40808080);
const Colour grey(0x80808080);
const float pi = MathConstants<float>::pi;

struct KnobSetup
{
    int size;
    double minimum, maximum, value;
    String suffix = {};
};

void setUp(Slider& slider, const KnobSetup& setup)
{
    slider.setSliderStyle(Slider::RotaryHorizontalVerticalDrag);
    slider.setTextBoxStyle(Slider::NoTextBox, false, 0, 0);
    slider.setRange(setup.minimum, setup.maximum, 0.0);
    slider.setValue(setup.value, dontSendNotification);
    slider.setTextValueSuffix(setup.suffix);
    slider.setColour(Slider::rotarySliderFillColourId, fill);
    slider.setColour(Slider::rotarySliderOutlineColourId, outline);
    slider.setSize(setup.size, setup.size);
}

struct Knob
{
    explicit Knob(const KnobSetup& setup) { setUp(slider, setup); }

    Image paint() { return OffscreenDrawing::paint(slider); }
    Point<float> centre() const { return slider.getLocalBounds().toFloat().getCentre(); }
    float radius() const { return (float) (slider.getWidth() / 2) - 2.0f; }

    Slider slider;
};

Colour ringOverTrack(float ringAlpha)
{
    return track.overlaidWith(fill.withAlpha(ringAlpha));
}

bool isTeal(Colour c)
{
    return c.getGreen() > c.getRed() + 100;
}
} // namespace

TEST(Knob, RadiusTwelveIsTheSmallFormAndThirteenTheLarge)
{
    // At the start of the travel only the large form has grey track at twelve o'clock; the small one's
    // ring passes there in the knob's own colour.
    Knob small({ 28, 0.0, 1.0, 0.0 });
    Knob large({ 30, 0.0, 1.0, 0.0 });

    const auto smallPixel = pixelAtAngle(small.paint(), small.centre(), 0.85f * small.radius(), 0.0f);
    const auto largePixel = pixelAtAngle(large.paint(), large.centre(), 0.85f * large.radius(), 0.0f);

    EXPECT_TRUE(isTeal(smallPixel)) << smallPixel.toString();
    EXPECT_TRUE(isNear(largePixel, track)) << largePixel.toString();
}

TEST(Knob, ValueRingFillsUpToTheValueAngleOnly)
{
    Knob knob({ 100, 0.0, 100.0, 50.0 }); // half way: twelve o'clock with the default travel
    const auto image = knob.paint();
    const float ringMiddle = 0.9f * knob.radius();

    const auto before = pixelAtAngle(image, knob.centre(), ringMiddle, -0.3f);
    const auto beyond = pixelAtAngle(image, knob.centre(), ringMiddle, 0.3f);

    EXPECT_TRUE(isNear(before, ringOverTrack(0.7f))) << before.toString();
    EXPECT_TRUE(isNear(beyond, track)) << beyond.toString();
}

TEST(Knob, SymmetricRangesGrowFromTwelveOClock)
{
    const struct
    {
        double minimum, maximum, value;
        float probeAngle;
        bool ring;
    } cases[] = {
        { -24.0, 24.0, 0.0, 0.3f, false },       // centre: nothing either side of the top
        { -24.0, 24.0, 0.0, -0.3f, false },
        { -24.0, 24.0, 24.0, 0.4f * pi, true },  // maximum: from the top clockwise to the end
        { -24.0, 24.0, 24.0, -0.3f, false },
        { -24.0, 24.0, -24.0, -0.4f * pi, true }, // minimum: from the top back to the start
        { -24.0, 24.0, -24.0, 0.3f, false },
        { -24.0, 12.0, 0.0, 1.3f * pi, true },   // not symmetric: from the start of the travel
        { -24.0, 12.0, 0.0, -0.3f, true },
    };

    for (const auto& c : cases)
    {
        Knob knob({ 100, c.minimum, c.maximum, c.value });
        const auto pixel = pixelAtAngle(knob.paint(), knob.centre(), 0.9f * knob.radius(), c.probeAngle);

        EXPECT_TRUE(isNear(pixel, c.ring ? ringOverTrack(0.7f) : track))
            << c.minimum << ".." << c.maximum << " at " << c.value << ", angle " << c.probeAngle << ": "
            << pixel.toString();
    }
}

TEST(Knob, HoverRaisesRingAndDiscOnlyWhenEnabled)
{
    const struct
    {
        bool hovered, enabled;
        Colour ring;
        float discAlpha;
    } cases[] = {
        { false, true, ringOverTrack(0.7f), 0.3f },
        { true, true, ringOverTrack(0.9f), 0.4f },
        { true, false, track.overlaidWith(grey), 0.3f },
    };

    for (const auto& c : cases)
    {
        Knob knob({ 200, 0.0, 100.0, 50.0 });
        knob.slider.setEnabled(c.enabled);
        OffscreenPointer pointer(knob.slider);
        if (c.hovered)
            pointer.moveOnto(knob.slider);

        const auto image = knob.paint();
        const auto ring = pixelAtAngle(image, knob.centre(), 0.9f * knob.radius(), -0.5f);
        // Above the value text, inside the disc, below the ticks.
        const auto disc = pixelAtAngle(image, knob.centre(), 0.4f * knob.radius(), 0.0f);

        EXPECT_TRUE(isNear(ring, c.ring)) << "hovered " << c.hovered << ", enabled " << c.enabled << ": "
                                          << ring.toString();
        EXPECT_NEAR(disc.getFloatAlpha(), c.discAlpha, 0.01f) << "hovered " << c.hovered << ", enabled " << c.enabled;
    }
}

TEST(Knob, DisabledKnobStrokesItsScaleThinAndGrey)
{
    // Across the long tick straight above the centre, the ink is the stroke's width times its alpha.
    for (bool enabled : { true, false })
    {
        Knob knob({ 200, 0.0, 100.0, 50.0 });
        knob.slider.setEnabled(enabled);
        const auto image = knob.paint();
        const int tickRow = (int) (knob.centre().y - 0.65f * knob.radius());
        const int centreX = (int) knob.centre().x;

        const auto strongest = image.getPixelAt(centreX - 1, tickRow).getAlpha() > image.getPixelAt(centreX, tickRow).getAlpha()
                                   ? image.getPixelAt(centreX - 1, tickRow)
                                   : image.getPixelAt(centreX, tickRow);
        const float ink = inkAcrossRow(image, tickRow, centreX - 4, centreX + 4);

        if (enabled)
        {
            EXPECT_NEAR(ink, 1.0f, 0.1f);
            EXPECT_EQ(strongest.withAlpha(1.0f), outline);
        }
        else
        {
            EXPECT_NEAR(ink, 0.3f * grey.getFloatAlpha(), 0.03f);
            EXPECT_TRUE(isNear(strongest.withAlpha(1.0f), grey.withAlpha(1.0f))) << strongest.toString();
        }
    }
}

TEST(Knob, SmallKnobPointsAtItsValue)
{
    Knob knob({ 28, 0.0, 1.0, 1.0 });
    const auto image = knob.paint();
    const auto& travel = knob.slider.getRotaryParameters();

    // The pointer reaches the knob's radius; the ring around it stops short.
    const auto atEnd = pixelAtAngle(image, knob.centre(), 11.2f, travel.endAngleRadians);
    const auto atStart = pixelAtAngle(image, knob.centre(), 11.2f, travel.startAngleRadians);

    EXPECT_GT(atEnd.getFloatAlpha(), 0.5f);
    EXPECT_LT(atStart.getFloatAlpha(), 0.3f);
}

namespace
{
// Writes a fixed text, to compare with what the look and feel writes for a real knob.
class FixedTextSlider : public Slider
{
public:
    explicit FixedTextSlider(const String& t) : text(t) {}
    String getTextFromValue(double) override { return text; }

private:
    const String text;
};
} // namespace

TEST(Knob, ValueTextShowsThousandsAsKAboveTenThousand)
{
    const struct
    {
        double maximum, value;
        String suffix, expectedText;
    } cases[] = {
        { 20000.0, 15000.0, "hz", "15.0k" },
        { 20000.0, 10.0, "hz", "0.0k" },
        { 10000.0, 5000.0, "hz", "5000hz" }, // not above: the knob's own text, suffix included
        { 100.0, 50.0, "%", "50%" },
    };

    for (const auto& c : cases)
    {
        Knob real({ 100, 0.0, c.maximum, c.value, c.suffix });
        real.slider.setRange(0.0, c.maximum, 1.0);

        // Same place on its travel, so ring and ticks match, and a maximum that takes no "k".
        FixedTextSlider written(c.expectedText);
        setUp(written, { 100, 0.0, 100.0, 100.0 * c.value / c.maximum, c.suffix });

        const auto realImage = real.paint();
        const auto writtenImage = OffscreenDrawing::paint(written);
        int differing = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                differing += realImage.getPixelAt(x, y) != writtenImage.getPixelAt(x, y) ? 1 : 0;

        EXPECT_EQ(differing, 0) << c.value << " of " << c.maximum << " should read " << c.expectedText;
    }
}

TEST(Knob, SuffixGoesOnItsOwnLineBelowTheValue)
{
    FixedTextSlider withoutSuffix("1"), withSuffix("1");
    setUp(withoutSuffix, { 100, 0.0, 1.0, 0.5 });
    setUp(withSuffix, { 100, 0.0, 1.0, 0.5, "hz" });

    const auto plain = OffscreenDrawing::paint(withoutSuffix);
    const auto suffixed = OffscreenDrawing::paint(withSuffix);
    int firstRow = 100, lastRow = -1;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            if (plain.getPixelAt(x, y) != suffixed.getPixelAt(x, y))
            {
                firstRow = jmin(firstRow, y);
                lastRow = jmax(lastRow, y);
            }

    // Baselines: the value's at 55, the suffix's at 75.
    EXPECT_GT(firstRow, 55);
    EXPECT_GE(lastRow, 70);
    EXPECT_LE(lastRow, 80);
}
