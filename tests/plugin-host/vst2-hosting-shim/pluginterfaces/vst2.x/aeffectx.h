// JUCE's VST 2 host includes both historical headers; the speaker arrangement fix lives in the first.
#pragma once
#include "aeffect.h"
