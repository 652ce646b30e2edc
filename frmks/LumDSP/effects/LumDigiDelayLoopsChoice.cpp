#include "../maths/LumVectorPath.h"
#include "LumDigiDelayLoops.h"

extern const LumDigiDelayLoops lumDigiDelayLoopsBaseline;
#if defined(LUM_WIDE_VECTOR_LOOPS)
extern const LumDigiDelayLoops lumDigiDelayLoopsAvx2;
extern const LumDigiDelayLoops lumDigiDelayLoopsAvx512;
#endif

const LumDigiDelayLoops& lumDigiDelayLoops()
{
#if defined(LUM_WIDE_VECTOR_LOOPS)
    switch (lumVectorPath())
    {
        case LumVectorPath::avx512: return lumDigiDelayLoopsAvx512;
        case LumVectorPath::avx2: return lumDigiDelayLoopsAvx2;
        case LumVectorPath::baseline: break;
    }
#endif
    return lumDigiDelayLoopsBaseline;
}
