#pragma once

#include "../LumAlwaysInline.h"

#include <algorithm>

// Branch-free approximations that the compiler can run four or eight at a time over a block. Their accuracy is
// pinned by tests/dsp/FastMathTest.cpp.

// Lane-wise std::min and std::max with a constant, for a float and for a vector of floats alike. On four floats
// they are minps and maxps, which give exactly these selects, NaN included, in one step where the select takes a
// compare and a blend: the phaser meets them between one output and the next.
using LumFourFloats = float __attribute__((vector_size(16)));

template <typename T>
LUM_ALWAYS_INLINE T lesserOf(T a, float b)
{
    const T bound = T {} + b;
#if defined(__SSE__)
    if constexpr (sizeof(T) == 16)
        return T(__builtin_ia32_minps(LumFourFloats(bound), LumFourFloats(a)));
#endif
    return bound < a ? bound : a;
}

template <typename T>
LUM_ALWAYS_INLINE T greaterOf(T a, float b)
{
    const T bound = T {} + b;
#if defined(__SSE__)
    if constexpr (sizeof(T) == 16)
        return T(__builtin_ia32_maxps(LumFourFloats(bound), LumFourFloats(a)));
#endif
    return a < bound ? bound : a;
}

// tanh within 4e-7 of the C library's for every float, and never beyond ±1: a 13/6 rational fit on [-7.9, 7.9],
// past which tanh is 1 to within 3e-7. T is a float or a vector of floats.
template <typename T>
LUM_ALWAYS_INLINE T fastTanhOf(T x)
{
    constexpr float end = 7.90531110763549805f;
    constexpr float endSquared = end * end;

    // c and its square clamped side by side, each one step from x: the same values as squaring the clamped c.
    const T c = lesserOf(greaterOf(x, -end), end);
    const T c2 = lesserOf(x * x, endSquared);
    const T c4 = c2 * c2;
    const T c8 = c4 * c4;

    // Estrin's scheme with c taken into each part: the phaser runs this inside a feedback loop, where the length
    // of the chain is what counts.
    const T cp = c * (4.89352455891786e-03f + 6.37261928875436e-04f * c2)
                 + (c * c4) * (1.48572235717979e-05f + 5.12229709037114e-08f * c2)
                 + (c * c8) * ((-8.60467152213735e-11f + 2.00018790482477e-13f * c2) + c4 * -2.76076847742355e-16f);
    const T q = (4.89352518554385e-03f + 2.26843463243900e-03f * c2)
                + c4 * (1.18534705686654e-04f + 1.19825839466702e-06f * c2);

    return cp / q;
}

LUM_ALWAYS_INLINE float fastTanh(float x)
{
    return fastTanhOf(x);
}

struct SinCos
{
    float sin;
    float cos;
};

// sin and cos within 1.2e-7 of the C library's sinf and cosf for |x| < 64.
LUM_ALWAYS_INLINE SinCos fastSinCos(float x)
{
    // Nearest quarter turn, by the add-and-subtract rounding trick, then x less that many quarter turns in three
    // parts whose products stay exact.
    const float quarter = (x * 0.636619772f + 12582912.0f) - 12582912.0f;
    const float r = ((x - quarter * 1.5703125f) - quarter * 4.837512969970703125e-4f)
                    - quarter * 7.54978995489188216e-8f;
    const float r2 = r * r;

    const float s = r + r * r2 * (-1.6666654611e-1f + r2 * (8.3321608736e-3f + r2 * -1.9515295891e-4f));
    const float c = 1.0f - 0.5f * r2
                    + r2 * r2 * (4.166664568298827e-2f + r2 * (-1.388731625493765e-3f + r2 * 2.443315711809948e-5f));

    const int turn = static_cast<int>(quarter) & 3;
    const float sinValue = (turn & 1) != 0 ? c : s;
    const float cosValue = (turn & 1) != 0 ? s : c;
    return { (turn & 2) != 0 ? -sinValue : sinValue, ((turn + 1) & 2) != 0 ? -cosValue : cosValue };
}
