// glibc's additive feedback generator (its TYPE_3: 31 words, taps 3 and 31), reproduced exactly
// so that a recording plays the same wherever the game runs, whatever the C library's rand() is.
#include "platform/random.h"

#include <cstdint>

#include "platform/clock.h"

namespace {

constexpr int Degree = 31;
constexpr int Separation = 3;

struct Generator {
    uint32_t r[Degree];
    int front = Separation; // r[front] gets r[rear] added, as glibc's fptr and rptr
    int rear = 0;

    explicit Generator(unsigned seed) { reseed(seed); }

    void reseed(unsigned seed) {
        int32_t word = static_cast<int32_t>(seed == 0 ? 1 : seed);
        r[0] = static_cast<uint32_t>(word);
        // Park and Miller's minimal standard generator, by Schrage's method to avoid overflow.
        for (int i = 1; i < Degree; i++) {
            int32_t hi = word / 127773;
            int32_t lo = word % 127773;
            word = 16807 * lo - 2836 * hi;
            if (word < 0)
                word += 2147483647;
            r[i] = static_cast<uint32_t>(word);
        }
        front = Separation;
        rear = 0;
        // glibc throws away the first ten rounds of the table.
        for (int i = 0; i < 10 * Degree; i++)
            next();
    }

    int next() {
        r[front] += r[rear];
        int result = static_cast<int>(r[front] >> 1);
        front = (front + 1) % Degree;
        rear = (rear + 1) % Degree;
        return result;
    }
};

Generator& generator() {
    static Generator g(1);
    return g;
}

} // namespace

void game_srand(unsigned seed) {
    generator().reseed(seed);
}

int game_rand() {
    return generator().next();
}

static unsigned int ticks_seed() {
    return platform_ticks();
}
unsigned int (*startup_seed)() = ticks_seed;
