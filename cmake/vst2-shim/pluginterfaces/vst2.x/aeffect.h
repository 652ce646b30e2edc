// The plug-in client includes the VST 2 interface by its historical path; the free FST headers provide it,
// with the opcode numbers that FST leaves open put right.
#pragma once
#include "../../Vst24Opcodes.h"
