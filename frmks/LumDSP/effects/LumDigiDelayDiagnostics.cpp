#include "LumDigiDelayDiagnostics.h"

void LumDigiDelayDiagnostics::write(std::FILE* out)
{
    for (std::uint32_t n = nanInputs.exchange(0, std::memory_order_relaxed); n > 0; --n)
        std::fputs("NaN!", out);

    for (std::uint32_t n = nanTimes.exchange(0, std::memory_order_relaxed); n > 0; --n)
        std::fputs("NAN TL\n", out);

    std::fflush(out);
}
