#pragma once

#include "PanelTable.h"

// Roughly how the editor draws a control, in its colours and typeface, so that a preview shows what sits
// on the picture.
void sketchControl(juce::Graphics&, const PanelTable::Row&);
