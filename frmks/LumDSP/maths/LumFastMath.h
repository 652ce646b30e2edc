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

// tanh by a 13/6 rational function, odd over even, of x clamped to [-end, end]. The coefficients and the clamp
// are Eigen 3.4's generic_fast_tanh_float (Eigen/src/Core/MathFunctionsImpl.h). Measured over every float, negative
// ones by symmetry (the result is exactly odd), against tanh in double precision: at most 3.60e-7 from it (at
// 7.193), 3.58e-7 from the C library's tanhf, 3.6e-7 relative for |x| >= 1e-30 (the smallest denormals come out
// as 0; the engine flushes them anyway), and never beyond ±1. The clamp is where Eigen's evaluation of the fit
// reaches 1.0f; this order of operations gives 1 - 2^-22 there, and unclamped it would pass 1 from 7.911 on, up to
// 1 + 1.1e-6 near 10.4. Past the clamp tanh is within 2.8e-7 of 1. T is a float or a vector of floats.
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

// sin and cos together: x less its nearest whole number k of quarter turns leaves |r| <= pi/4, to rounding (Cody
// and Waite's reduction, pi/2 in three parts); an odd polynomial of degree 7 gives sin r and an even one of degree 8
// cos r, and k mod 4 picks and signs them. The coefficients are Cephes' sinf and cosf (S. Moshier), the split of
// pi/2 twice Cephes' split of pi/4: computed in double over [0, pi/4], the sine's fit is minimax in relative error
// (its error alternates at +-3.8e-9), the cosine's keeps 1 - r^2/2 exact and errs by at most 1.1e-10, so float
// rounding is the whole error. Measured over every float with |x| <= 64, against double precision: at most
// 9.3e-8 from sin and cos (9.25e-8 over [-pi, pi], where the LFOs read it), and 1.19e-7 (two float ulps at 0.7)
// from the C library's sinf and cosf. Beyond that range: k times the first two parts of pi/2 is exact while
// |k| < 2^13 (|x| < 12868), and the rounding of k needs |2x/pi| < 2^22.
LUM_ALWAYS_INLINE SinCos fastSinCos(float x)
{
    // 2/pi, the float nearest it.
    constexpr float quarterTurnsPerRadian = 0.636619772f;
    // 1.5 * 2^23: a float between 2^23 and 2^24 has no bits below 1, so adding it rounds to a whole number and
    // subtracting it again leaves that number; the half keeps the sum in that range for negative x too.
    constexpr float roundingShift = 12582912.0f;
    // pi/2 = high + middle + low, with 8 and 11 significant bits in the first two: k times either is exact for
    // |k| < 2^13.
    constexpr float halfPiHigh = 1.5703125f;
    constexpr float halfPiMiddle = 4.837512969970703125e-4f;
    constexpr float halfPiLow = 7.54978995489188216e-8f;

    const float quarter = (x * quarterTurnsPerRadian + roundingShift) - roundingShift;
    const float r = ((x - quarter * halfPiHigh) - quarter * halfPiMiddle) - quarter * halfPiLow;
    const float r2 = r * r;

    const float s = r + r * r2 * (-1.6666654611e-1f + r2 * (8.3321608736e-3f + r2 * -1.9515295891e-4f));
    const float c = 1.0f - 0.5f * r2
                    + r2 * r2 * (4.166664568298827e-2f + r2 * (-1.388731625493765e-3f + r2 * 2.443315711809948e-5f));

    const int turn = static_cast<int>(quarter) & 3;
    const float sinValue = (turn & 1) != 0 ? c : s;
    const float cosValue = (turn & 1) != 0 ? s : c;
    return { (turn & 2) != 0 ? -sinValue : sinValue, ((turn + 1) & 2) != 0 ? -cosValue : cosValue };
}
