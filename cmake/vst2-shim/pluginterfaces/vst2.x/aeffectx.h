// The plug-in client includes both historical headers; FST declares everything in one.
#pragma once
#include "aeffect.h"
