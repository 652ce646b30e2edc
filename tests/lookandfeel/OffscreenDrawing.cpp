#include "OffscreenDrawing.h"

#include <cmath>
#include <cstdlib>

using namespace juce;

namespace OffscreenDrawing
{
LumJuceLookAndFeelModern& lookAndFeel()
{
    return dynamic_cast<LumJuceLookAndFeelModern&>(LookAndFeel::getDefaultLookAndFeel());
}

Image paint(Component& component)
{
    Image image(Image::ARGB, component.getWidth(), component.getHeight(), true);
    Graphics g(image);
    component.paintEntireComponent(g, false);
    return image;
}

Image paint(int width, int height, const std::function<void(Graphics&)>& draw)
{
    Image image(Image::ARGB, width, height, true);
    Graphics g(image);
    draw(g);
    return image;
}

Colour pixelAtAngle(const Image& image, Point<float> centre, float radius, float angle)
{
    const auto x = centre.x + radius * std::sin(angle);
    const auto y = centre.y - radius * std::cos(angle);
    return image.getPixelAt((int) std::floor(x), (int) std::floor(y));
}

float inkAcrossRow(const Image& image, int y, int fromX, int toX)
{
    float ink = 0.0f;
    for (int x = fromX; x <= toX; ++x)
        ink += image.getPixelAt(x, y).getFloatAlpha();
    return ink;
}

float inkDownColumn(const Image& image, int x, int fromY, int toY)
{
    float ink = 0.0f;
    for (int y = fromY; y <= toY; ++y)
        ink += image.getPixelAt(x, y).getFloatAlpha();
    return ink;
}

bool isBlank(const Image& image)
{
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (image.getPixelAt(x, y).getAlpha() != 0)
                return false;
    return true;
}

bool isNear(Colour actual, Colour expected, int tolerance)
{
    return std::abs(actual.getAlpha() - expected.getAlpha()) <= tolerance
           && std::abs(actual.getRed() - expected.getRed()) <= tolerance
           && std::abs(actual.getGreen() - expected.getGreen()) <= tolerance
           && std::abs(actual.getBlue() - expected.getBlue()) <= tolerance;
}
} // namespace OffscreenDrawing
