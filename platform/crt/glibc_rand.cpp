// rand and srand as glibc draws them, for builds whose C library draws
// other numbers (Emscripten's): the wall colours, and so the frames, then
// equal the Linux desktop build's.
#include <cstdint>
#include <cstdlib>

namespace {

// glibc's default generator: an additive lagged Fibonacci sequence,
// r[i] = r[i-3] + r[i-31] modulo 2^32, each output r[i] >> 1. The 31 words
// of state are held in a ring; front is i-3's slot, rear i-31's, and the
// sum replaces r[i-31], which is no longer needed.
constexpr int kDegree = 31;
constexpr int kSeparation = 3;

int32_t state[kDegree];
int front = kSeparation;
int rear = 0;
bool seeded = false;

int Next() {
    state[front] = static_cast<int32_t>(static_cast<uint32_t>(state[front]) +
                                        static_cast<uint32_t>(state[rear]));
    const int result = static_cast<int>(static_cast<uint32_t>(state[front]) >> 1);
    front = (front + 1) % kDegree;
    rear = (rear + 1) % kDegree;
    return result;
}

}  // namespace

// The state is filled by the Park-Miller generator, x' = 16807 x mod
// (2^31 - 1), in Schrage's form (127773 = m / a, 2836 = m % a) over a signed
// 32-bit word as glibc computes it, so that a seed of 2^31 or more starts
// negative there too; then 310 outputs are dropped to mix the state.
extern "C" void srand(unsigned seed) {
    if (seed == 0) seed = 1;
    state[0] = static_cast<int32_t>(seed);
    int32_t word = static_cast<int32_t>(seed);
    for (int i = 1; i < kDegree; ++i) {
        const int64_t high = word / 127773;
        const int64_t low = word % 127773;
        word = static_cast<int32_t>(16807 * low - 2836 * high);
        if (word < 0) word += 2147483647;
        state[i] = word;
    }
    front = kSeparation;
    rear = 0;
    seeded = true;
    for (int i = 0; i < 10 * kDegree; ++i) Next();
}

extern "C" int rand() {
    if (!seeded) srand(1);
    return Next();
}
