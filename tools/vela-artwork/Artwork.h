#pragma once

#include <juce_graphics/juce_graphics.h>

namespace Artwork
{
// The editor's background at `scale` picture pixels per panel pixel (1000 x 800 at 2), opaque.
juce::Image background(int scale);
// The logo mark, 256 x 256, white on a transparent ground.
juce::Image logo();
// The 500 x 400 panel as the editor shows it: the background at half size, a sketch of every control
// and an outline of each control's bounds, for checking that the picture fits the controls.
juce::Image preview(const juce::Image& background);
} // namespace Artwork
