#include "board/random.h"

namespace {

// splitmix64: small, fast, and every seed (0 included) gives a good stream.
struct RandomState {
    uint64_t state = 0x9E3779B97F4A7C15ull;
};
RandomState rng;

uint64_t Next() {
    uint64_t z = (rng.state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

double Rnd() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }

int RndIndex(int count) {
    if (count <= 0) return 0;
    int i = int(Rnd() * count);
    return i < count ? i : count - 1;
}

void SeedRandom(uint64_t seed) { rng.state = seed; }
