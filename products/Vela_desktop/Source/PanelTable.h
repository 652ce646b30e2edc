#pragma once

#include <juce_graphics/juce_graphics.h>

#include <variant>
#include <vector>

// The panel's controls as plain data, one row each in PanelTable.inc: the editor builds and places its controls
// from the rows, and the artwork tool (tools/vela-artwork) draws the background around them.
namespace PanelTable
{
// The panel's size, in the pixels that the rows' bounds are given in.
constexpr int width = 500;
constexpr int height = 400;

constexpr juce::uint32 delayKnobColour = 0x7f16e4d4;
constexpr juce::uint32 modKnobColour = 0x7fe416b9;
constexpr int syncModeGroup = 1;
constexpr int routingGroup = 2;
// The sides on which a button joins its neighbours, as juce::Button's connected-edge flags.
constexpr int left = 1, right = 2, top = 4, bottom = 8;

struct ButtonColours
{
    juce::uint32 on;
    juce::uint32 textOff;
    juce::uint32 textOn;
};

constexpr ButtonColours cyanButton { 0xff44ffe9, 0xffcbcbcb, 0xff272727 };
constexpr ButtonColours syncModeButton { 0xff44ffe9, 0xffcbcbcb, 0xff232323 };
constexpr ButtonColours routingButton { 0x7fe416b9, 0xffdadada, 0xffcdcdcd };

// The knob's range until binding gives it the parameter's.
struct KnobStyle
{
    double maximum;
    double interval;
    juce::uint32 fill;
    const char* suffix;
};

struct CaptionStyle
{
    float height;
    int justification = juce::Justification::centred;
    juce::uint32 textColour = 0xffababab;
    juce::uint32 editorTextColour = 0xff000000;
};

struct ButtonStyle
{
    int connectedEdges;
    int radioGroup;
    ButtonColours colours;
    bool listened = true;
};

struct BoxStyle
{
    const char* textWhenNothingSelected;
};

// The dark boxes of the background, each framing the controls that sit in it.
enum Box
{
    noBox,
    delayButtonsBox,
    syncModeBox,
    modulationBox
};

enum class Visibility
{
    shown,
    // Created all the same, for the maker's own use.
    hidden
};

// One control. A control whose name is a parameter id (ignoring case) is bound to that parameter; captions and
// buttons show their text.
struct Row
{
    const char* name;
    const char* text;
    juce::Rectangle<int> bounds;
    std::variant<KnobStyle, CaptionStyle, ButtonStyle, BoxStyle> style;
    Box box = noBox;
    Visibility visibility = Visibility::shown;
};

// Every row, in the editor's creation order.
const std::vector<Row>& rows();
} // namespace PanelTable
