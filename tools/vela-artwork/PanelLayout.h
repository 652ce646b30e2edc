#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

// Where the editor puts things on its 500 x 400 panel, in panel pixels: the picture has to fit around them.
namespace PanelLayout
{
constexpr int width = 500;
constexpr int height = 400;
// The editor draws the picture at half size up to twice the panel's size on screen (the 200 % zoom), and
// the larger one beyond that (200 % zoom on a host or desktop that scales as well).
constexpr int pictureScale = 2;
constexpr int largePictureScale = 4;

constexpr int headerBottom = 46;
// The header's preset selector draws only an outline and its text, so the picture gives it a ground.
inline const juce::Rectangle<int> presetSelector { 176, 11, 152, 24 };
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

struct Control
{
    enum class Kind { tealKnob, magentaKnob, caption, button, comboBox };

    Kind kind;
    juce::Rectangle<int> bounds;
    const char* text;
    // Which dark box the control sits in, 1 to 3; 0 for none.
    int box = 0;
};

// Every visible control; the hidden Make Factory Preset button is left out.
const std::vector<Control>& controls();

constexpr int boxCount = 3;

// The dark boxes, each framing its controls with a small margin.
std::vector<juce::Rectangle<float>> groupBoxes();
} // namespace PanelLayout
