// The block loops built for the avx512 vector path.
#define LUM_LOOPS_TABLE lumDigiDelayLoopsAvx512
#include "LumDigiDelayLoops.inc"
