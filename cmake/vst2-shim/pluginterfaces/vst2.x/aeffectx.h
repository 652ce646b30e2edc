// The plug-in client includes the VST 2 interface by its historical path; the free FST headers provide it.
#pragma once
#include <pluginterfaces/fst/aeffectx.h>
