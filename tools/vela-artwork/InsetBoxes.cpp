#include "BackgroundParts.h"
#include "PanelLayout.h"

namespace BackgroundParts
{
namespace
{
using namespace juce;

constexpr float cornerSize = 5.0f;

// A recess: dark ground, a soft shadow cast by the upper edge and a hairline rim that is dark at the top
// and catches the light at the bottom.
void paintInsetBox(Graphics& g, Rectangle<float> area)
{
    Path box;
    box.addRoundedRectangle(area, cornerSize);
    g.setColour(Colours::black.withAlpha(0.3f));
    g.fillPath(box);

    g.setGradientFill(ColourGradient::vertical(Colours::black.withAlpha(0.3f), area.getY(),
                                               Colours::transparentBlack, area.getY() + 7.0f));
    g.fillPath(box);

    // Half a panel pixel is one picture pixel: inset by half of that so the rim lands on whole pixels.
    const auto rimArea = area.reduced(0.25f);
    Path rim;
    rim.addRoundedRectangle(rimArea, cornerSize - 0.25f);
    ColourGradient rimColours = ColourGradient::vertical(Colours::black.withAlpha(0.55f), rimArea.getY(),
                                                         Colours::white.withAlpha(0.09f), rimArea.getBottom());
    rimColours.addColour(0.5, Colours::transparentBlack);
    g.setGradientFill(rimColours);
    g.strokePath(rim, PathStrokeType(0.5f));
}
} // namespace

void paintInsetBoxes(Graphics& g)
{
    for (const auto& area : PanelLayout::groupBoxes())
        paintInsetBox(g, area);
}
} // namespace BackgroundParts
