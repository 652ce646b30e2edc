#pragma once

// For the inline functions the block loops call. Those loops are built once per instruction set
// (effects/LumDigiDelayLoops.inc): an out-of-line copy of a shared inline function in a wide build would be one
// of several copies the linker chooses between, and could be the one that code running on any processor calls.
// Inlined at every call, no such copy exists (test lumdsp.WideLoopsShareNoCode).
#define LUM_ALWAYS_INLINE inline __attribute__((always_inline))
