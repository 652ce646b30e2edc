// What Vela computes per stereo frame at its defaults (Chorus before the filters, 250 ms, feedback 50 %, mix 50 %,
// highpass 10 Hz, lowpass 15 kHz, amount 50 %, 0.25 Hz) as straight loops over stretches of up to 512 samples:
// the LFO pair, two modulated chorus line passes, the highpass and lowpass of each channel, two steady echo line
// passes, four tanh and the mix, with the engine's own tanh and sine, denormals flushed as the engine does. A
// lower bound, not a second engine: it leaves out the smoothers (every value holds), routing and stage slots, the
// input clamp and NaN guards, delay limits, the vector-path choice, and the rings' wrap-around (each line is a
// linear history that moves its last ring length to the front once the end is reached).
#include "LumFlushDenormals.h"
#include "effects/LumDigiDelaySteps.h"
#include "filters/LumUniComb.h"
#include "maths/LumFastMath.h"

#include <lv2/core/lv2.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace
{
constexpr int stretch = 512;
constexpr int lanes = 16;
using Lanes = float __attribute__((vector_size(4 * lanes)));

// A delay line whose reads and writes never wrap: history holds the line and as much room again to write ahead,
// so its last ring length moves to the front once per ring length.
struct Line
{
    explicit Line(int length) : length(length), history(2 * static_cast<size_t>(length), 0.0f), at(length) {}

    // Where this stretch writes, after moving the last `length` samples to the front if it would run over.
    float* writeHead(int count)
    {
        if (at + count > static_cast<int>(history.size()))
        {
            std::memmove(history.data(), history.data() + at - length, static_cast<size_t>(length) * sizeof(float));
            at = length;
        }
        return history.data() + at;
    }

    int length;
    std::vector<float> history;
    int at;
};

// One-pole TPT lowpass a vector at a time: the prefix scan of s' = keep s + take x.
struct OnePole
{
    OnePole(float cutoff, float rate)
    {
        const float g = static_cast<float>(std::tan(M_PI * cutoff / rate));
        coefficient = g / (1.0f + g);
        keep = 1.0f - 2.0f * coefficient;
        float power = 1.0f;
        for (float& p : powers)
            p = power *= keep;
    }

    template <int shift, int... j>
    static Lanes shiftUp(Lanes x, Lanes fill, std::integer_sequence<int, j...>)
    {
        return __builtin_shufflevector(x, fill, (j >= shift ? j - shift : lanes)...);
    }

    // Each lane j of x moved to lane j + shift, the lanes below taken from fill's first.
    template <int shift>
    static Lanes shiftUp(Lanes x, Lanes fill)
    {
        return shiftUp<shift>(x, fill, std::make_integer_sequence<int, lanes> {});
    }

    // runTPT's lowpass for the last samples of a stretch that fill no vector.
    float lowpass(float x)
    {
        const float v = (x - state) * coefficient;
        const float lp = v + state;
        state = lp + v;
        return lp;
    }

    Lanes lowpass(Lanes x)
    {
        Lanes s = (1.0f - keep) * x;
        s += powers[0] * shiftUp<1>(s, Lanes {});
        s += powers[1] * shiftUp<2>(s, Lanes {});
        s += powers[3] * shiftUp<4>(s, Lanes {});
        s += powers[7] * shiftUp<8>(s, Lanes {});
        Lanes keepPowers;
        std::memcpy(&keepPowers, powers, sizeof keepPowers);
        const Lanes after = s + keepPowers * state;
        const Lanes before = shiftUp<1>(after, Lanes {} + state);
        state = after[lanes - 1];
        return (x - before) * coefficient + before;
    }

    float coefficient, keep, state = 0.0f;
    float powers[lanes];
};

struct Floor
{
    explicit Floor(double sampleRate)
        : rate(static_cast<float>(sampleRate)),
          modLines { Line(static_cast<int>(5.0f * rate)), Line(static_cast<int>(5.0f * rate)) },
          echoLines { Line(static_cast<int>(10.0f * rate)), Line(static_cast<int>(10.0f * rate)) },
          highs { OnePole(10.0f, rate), OnePole(10.0f, rate) },
          lows { OnePole(15000.0f, rate), OnePole(15000.0f, rate) },
          increment(static_cast<uint32_t>(std::llround(0.25 / sampleRate * 4294967296.0)))
    {
    }

    void run(int count);

    const float* in[2] {};
    float* out[2] {};
    float rate;
    Line modLines[2];
    Line echoLines[2];
    OnePole highs[2];
    OnePole lows[2];
    uint32_t phase = 0;
    uint32_t increment;
};

void Floor::run(int count)
{
    alignas(64) float lfo[2][stretch];
    alignas(64) float wet[2][stretch];
    alignas(64) float delayed[stretch];
    alignas(64) float frac[stretch];
    alignas(64) int back[stretch];
    const float amount = 0.5f, echo = 0.25f * rate, feedback = 0.5f, mix = 0.5f;

    for (int n = 0; n < count; ++n)
    {
        const SinCos both = fastSinCos(lfoAngle(phase + static_cast<uint32_t>(n) * increment));
        lfo[0][n] = both.sin;
        lfo[1][n] = both.cos;
    }
    phase += static_cast<uint32_t>(count) * increment;

    for (int c = 0; c < 2; ++c)
    {
        // Chorus: the line stores the input at the ring's gain whatever it reads, so the stretch writes first and
        // then reads. Each step is a loop of its own, so that all but the reads run a vector at a time.
        float* __restrict w = modLines[c].writeHead(count);
        for (int n = 0; n < count; ++n)
            w[n] = uniCombInputGain * in[c][n];
        for (int n = 0; n < count; ++n)
        {
            const float d = (0.005f + std::fabs(0.03f * amount * lfo[c][n])) * rate;
            const float whole = std::ceil(d);
            back[n] = n - static_cast<int>(whole);
            frac[n] = whole - d;
        }
        for (int n = 0; n < count; ++n)
            delayed[n] = w[back[n]] + frac[n] * (w[back[n] + 1] - w[back[n]]);
        for (int n = 0; n < count; ++n)
            wet[c][n] = fastTanh(w[n] + 0.7f * delayed[n]);
        modLines[c].at += count;

        int n = 0;
        for (; n + lanes <= count; n += lanes)
        {
            Lanes x;
            std::memcpy(&x, wet[c] + n, sizeof x);
            x = lows[c].lowpass(x - highs[c].lowpass(x));
            std::memcpy(wet[c] + n, &x, sizeof x);
        }
        for (; n < count; ++n)
            wet[c][n] = lows[c].lowpass(wet[c][n] - highs[c].lowpass(wet[c][n]));

        // The echo: 250 ms back is farther than any stretch, so every read comes before this stretch's writes.
        float* __restrict e = echoLines[c].writeHead(count);
        const float whole = std::ceil(echo);
        const float echoFrac = whole - echo;
        const float* __restrict r = e - static_cast<int>(whole);
        for (n = 0; n < count; ++n)
            delayed[n] = r[n] + echoFrac * (r[n + 1] - r[n]);
        for (n = 0; n < count; ++n)
        {
            e[n] = uniCombInputGain * wet[c][n] + feedback * delayed[n];
            wet[c][n] = fastTanh(delayed[n]);
        }
        echoLines[c].at += count;

        for (int n = 0; n < count; ++n)
            out[c][n] = (1.0f - mix) * in[c][n] + mix * wet[c][n];
    }
}

LV2_Handle instantiate(const LV2_Descriptor*, double rate, const char*, const LV2_Feature* const*)
{
    return new Floor(rate);
}

void connectPort(LV2_Handle handle, uint32_t port, void* data)
{
    auto* floor = static_cast<Floor*>(handle);
    if (port < 2)
        floor->in[port] = static_cast<const float*>(data);
    else if (port < 4)
        floor->out[port - 2] = static_cast<float*>(data);
}

void run(LV2_Handle handle, uint32_t frames)
{
    auto* floor = static_cast<Floor*>(handle);
    const LumFlushDenormals flushDenormals;
    const float* in[2] = { floor->in[0], floor->in[1] };
    float* out[2] = { floor->out[0], floor->out[1] };
    for (uint32_t start = 0; start < frames; start += stretch)
    {
        const int count = static_cast<int>(std::min<uint32_t>(stretch, frames - start));
        for (int c = 0; c < 2; ++c)
        {
            floor->in[c] = in[c] + start;
            floor->out[c] = out[c] + start;
        }
        floor->run(count);
    }
    for (int c = 0; c < 2; ++c)
    {
        floor->in[c] = in[c];
        floor->out[c] = out[c];
    }
}

void cleanup(LV2_Handle handle)
{
    delete static_cast<Floor*>(handle);
}

const LV2_Descriptor descriptor = { "https://quillon.invalid/bench/floor", instantiate, connectPort, nullptr, run,
                                    nullptr, cleanup, nullptr };
} // namespace

LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor(uint32_t index)
{
    return index == 0 ? &descriptor : nullptr;
}
