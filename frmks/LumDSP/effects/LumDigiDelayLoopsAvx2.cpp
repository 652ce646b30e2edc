// The block loops built for the avx2 vector path.
#define LUM_LOOPS_TABLE lumDigiDelayLoopsAvx2
#define LUM_LOOPS_TARGET_AVX2
#include "LumDigiDelayLoops.inc"
