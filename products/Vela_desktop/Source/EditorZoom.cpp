#include "EditorZoom.h"

#include <cstdlib>

namespace EditorZoom
{
int nearestStep(int percent)
{
    int nearest = steps[0];
    for (const int step : steps)
        if (std::abs(step - percent) < std::abs(nearest - percent))
            nearest = step;
    return nearest;
}

bool fits(int percent, float hostScale, juce::Rectangle<int> panel, juce::Rectangle<int> screenArea)
{
    if (screenArea.isEmpty())
        return true;

    const float scale = static_cast<float>(percent) / 100.0f * hostScale;
    return static_cast<float>(panel.getWidth()) * scale <= static_cast<float>(screenArea.getWidth())
           && static_cast<float>(panel.getHeight()) * scale <= static_cast<float>(screenArea.getHeight());
}

int largestFitting(int preferred, float hostScale, juce::Rectangle<int> panel, juce::Rectangle<int> screenArea)
{
    int chosen = steps[0];
    for (const int step : steps)
        if (step <= preferred && fits(step, hostScale, panel, screenArea))
            chosen = step;
    return chosen;
}
} // namespace EditorZoom
