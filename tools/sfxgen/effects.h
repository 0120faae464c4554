// The catalogue of sound effects the generator writes: name, slot, number
// of copies (how often the sound overlaps itself in play), whether it is a
// seamless loop, and the recipe that synthesises it.
#pragma once

#include "synth.h"

struct EffectRecipe {
    const char* name;
    int slot;
    int copies;
    bool loop;
    Mono (*make)();
};

extern const EffectRecipe kEffects[];
extern const int kEffectCount;
