#pragma once

#include "PanelTable.h"

#include <vector>

// What the picture has to fit around on the editor's panel, in panel pixels. The controls themselves are the
// panel table's rows (products/Vela_desktop/Source/PanelTable.inc).
namespace PanelLayout
{
// The editor draws the picture at half size up to twice the panel's size on screen (the 200 % zoom), and
// the larger one beyond that (200 % zoom on a host or desktop that scales as well).
constexpr int pictureScale = 2;
constexpr int largePictureScale = 4;

constexpr int headerBottom = 46;
// The rows that the section boundaries run along.
constexpr int ruleRows[] = { 139, 243, 295 };

struct Section
{
    const char* title;
    // The height of the row of controls the title lines up with.
    int controlsCentre;
    bool modulation;
};

const std::vector<Section>& sections();

// The bounds of the control of that name.
juce::Rectangle<int> boundsOf(const char* name);

// The dark boxes in the order of PanelTable::Box, each framing its controls with a small margin.
std::vector<juce::Rectangle<float>> groupBoxes();
} // namespace PanelLayout
