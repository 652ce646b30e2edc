#include "ArtworkText.h"

#include <BinaryData.h>

namespace ArtworkText
{
juce::Font font(float height)
{
    static const auto typeface =
        juce::Typeface::createSystemTypefaceFor(BinaryData::Bariol_Bold_otf, BinaryData::Bariol_Bold_otfSize);
    return juce::Font(typeface).withHeight(height);
}

juce::Path outline(const juce::String& text, float height, float tracking)
{
    auto face = font(height);
    face.setExtraKerningFactor(tracking);

    juce::GlyphArrangement glyphs;
    glyphs.addLineOfText(face, text, 0.0f, 0.0f);

    juce::Path path;
    glyphs.createPath(path);
    return path;
}

juce::Path placed(juce::Path path, juce::Rectangle<float> area, juce::Justification placement)
{
    const auto ink = path.getBounds();
    const auto target = placement.appliedToRectangle(ink, area);
    path.applyTransform(juce::AffineTransform::translation(target.getX() - ink.getX(), target.getY() - ink.getY()));
    return path;
}
} // namespace ArtworkText
