// vela-demo-input OUT.wav: a short stereo 44.1 kHz recording of plucks to hear the delay on.
#include "DemoSignal.h"
#include "WavWriter.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: vela-demo-input OUT.wav\n");
        return 2;
    }

    if (! writeWav16(argv[1], makeDemoSignal(44100, 3.0)))
    {
        std::fprintf(stderr, "vela-demo-input: cannot write %s\n", argv[1]);
        return 2;
    }

    return 0;
}
