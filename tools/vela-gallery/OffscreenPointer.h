#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// Puts the mouse pointer over components that are on no screen, so that they paint their hover states.
// JUCE only knows what is under the mouse through a desktop window; while this object lives, `content`
// sits in a desktop component whose window exists in name only, so it works without a display.
class OffscreenPointer
{
public:
    // `content` has no parent while this lives.
    explicit OffscreenPointer(juce::Component& content);
    ~OffscreenPointer();

    void moveOnto(juce::Component& target);
    void moveAway();

private:
    class Host;
    juce::Component& content;
    std::unique_ptr<Host> host;

    JUCE_DECLARE_NON_COPYABLE(OffscreenPointer)
};
