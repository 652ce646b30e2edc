#pragma once

#include <juce_graphics/juce_graphics.h>

// Paints every control the look and feel draws, in its states, onto one picture, with the default look and feel.
// Needs no display: nothing is put on the screen.
juce::Image renderGallery();
