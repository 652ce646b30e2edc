// The block loops built for the baseline vector path.
#define LUM_LOOPS_TABLE lumDigiDelayLoopsBaseline
#define LUM_LOOPS_TARGET_BASELINE
#include "LumDigiDelayLoops.inc"
