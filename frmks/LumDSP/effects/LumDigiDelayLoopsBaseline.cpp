// The block loops built for the baseline vector path.
#define LUM_LOOPS_TABLE lumDigiDelayLoopsBaseline
#include "LumDigiDelayLoops.inc"
