// The block loops built for the avx2 vector path.
#define LUM_LOOPS_TABLE lumDigiDelayLoopsAvx2
#include "LumDigiDelayLoops.inc"
