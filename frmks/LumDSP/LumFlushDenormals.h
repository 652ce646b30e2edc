#pragma once

#include <cstdint>

#if defined(__x86_64__) || defined(__i386__)
#include <xmmintrin.h>
#endif

// Flushes denormal numbers to zero while it lives. Long decays pass through them, and each operation on one
// costs a hundred times the usual: the cost of a block would grow in every tail.
class LumFlushDenormals
{
public:
    LumFlushDenormals()
    {
#if defined(__x86_64__) || defined(__i386__)
        // Hosts often flush already; writing the control register costs more than reading it.
        saved = _mm_getcsr();
        if (! alreadyFlushing())
            _mm_setcsr(saved | flushing);
#elif defined(__aarch64__)
        asm volatile("mrs %0, fpcr" : "=r"(saved));
        asm volatile("msr fpcr, %0" : : "r"(saved | flushToZeroArm));
#endif
    }

    ~LumFlushDenormals()
    {
#if defined(__x86_64__) || defined(__i386__)
        if (! alreadyFlushing())
            _mm_setcsr(saved);
#elif defined(__aarch64__)
        asm volatile("msr fpcr, %0" : : "r"(saved));
#endif
    }

    LumFlushDenormals(const LumFlushDenormals&) = delete;
    LumFlushDenormals& operator=(const LumFlushDenormals&) = delete;

private:
#if defined(__x86_64__) || defined(__i386__)
    static constexpr unsigned flushToZero = 0x8000;
    static constexpr unsigned denormalsAreZero = 0x0040;
    static constexpr unsigned flushing = flushToZero | denormalsAreZero;
    unsigned saved = 0;

    bool alreadyFlushing() const { return (saved & flushing) == flushing; }
#elif defined(__aarch64__)
    static constexpr uint64_t flushToZeroArm = uint64_t { 1 } << 24;
    uint64_t saved = 0;
#endif
};
