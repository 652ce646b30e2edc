#include "WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace
{
void put16(std::ofstream& out, std::uint16_t v)
{
    const char bytes[] = { static_cast<char>(v & 0xff), static_cast<char>(v >> 8) };
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v & 0xffff));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

std::uint16_t toPcm16(float v)
{
    const float limited = std::clamp(v, -1.0f, 1.0f);
    return static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(limited * 32767.0f)));
}
} // namespace

bool writeWav16(const std::string& path, const StereoSignal& signal)
{
    std::ofstream out(path, std::ios::binary);
    if (! out)
        return false;

    const std::uint32_t channels = 2, bytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(signal.left.size() * channels * bytesPerSample);

    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, static_cast<std::uint16_t>(channels));
    put32(out, static_cast<std::uint32_t>(signal.sampleRate));
    put32(out, static_cast<std::uint32_t>(signal.sampleRate) * channels * bytesPerSample);
    put16(out, static_cast<std::uint16_t>(channels * bytesPerSample));
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);

    for (size_t n = 0; n < signal.left.size(); ++n)
    {
        put16(out, toPcm16(signal.left[n]));
        put16(out, toPcm16(signal.right[n]));
    }

    return static_cast<bool>(out);
}
