/* A stereo plug-in that copies its input to its output: the host's own cost, measured like any plug-in's. */
#include <lv2/core/lv2.h>

#include <stdlib.h>
#include <string.h>

#define NOOP_URI "https://quillon.invalid/bench/noop"

typedef struct
{
    const float* in[2];
    float* out[2];
} Noop;

static LV2_Handle instantiate(const LV2_Descriptor* descriptor, double rate, const char* bundle,
                              const LV2_Feature* const* features)
{
    (void) descriptor;
    (void) rate;
    (void) bundle;
    (void) features;
    return calloc(1, sizeof(Noop));
}

static void connectPort(LV2_Handle handle, uint32_t port, void* data)
{
    Noop* noop = (Noop*) handle;
    if (port < 2)
        noop->in[port] = (const float*) data;
    else if (port < 4)
        noop->out[port - 2] = (float*) data;
    /* port 4, the event input, is read by nobody */
}

static void run(LV2_Handle handle, uint32_t frames)
{
    Noop* noop = (Noop*) handle;
    for (int c = 0; c < 2; ++c)
        if (noop->out[c] != noop->in[c])
            memcpy(noop->out[c], noop->in[c], frames * sizeof(float));
}

static void cleanup(LV2_Handle handle)
{
    free(handle);
}

static const LV2_Descriptor descriptor = { NOOP_URI, instantiate, connectPort, NULL, run, NULL, cleanup, NULL };

LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor(uint32_t index)
{
    return index == 0 ? &descriptor : NULL;
}
