// xoshiro256** (Blackman & Vigna) with Lemire's unbiased range reduction.
#include "core/Random.h"

#include <random>
#include <stdexcept>

namespace core {

namespace {

std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

// splitmix64 spreads any seed over the whole state, so no state is all zero.
std::uint64_t SplitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

__extension__ typedef unsigned __int128 Wide;

} // namespace

Random::Random(std::uint64_t seed) {
    for (auto& word : state_) {
        word = SplitMix(seed);
    }
}

Random::Random() {
    std::random_device device;
    for (auto& word : state_) {
        std::uint64_t raw = static_cast<std::uint64_t>(device()) << 32;
        raw |= device();
        word = SplitMix(raw);
    }
}

std::uint64_t Random::Next() {
    const std::uint64_t result = Rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = Rotl(state_[3], 45);
    return result;
}

std::int64_t Random::InRange(std::int64_t lo, std::int64_t hi) {
    if (lo > hi) {
        throw std::invalid_argument("Random::InRange: lo > hi");
    }
    // Unsigned arithmetic throughout: the span of the whole int64 range overflows int64.
    const std::uint64_t span = static_cast<std::uint64_t>(hi) - static_cast<std::uint64_t>(lo);
    std::uint64_t offset = Next();
    if (span != UINT64_MAX) {
        const std::uint64_t n = span + 1;
        Wide product = static_cast<Wide>(offset) * n;
        auto low = static_cast<std::uint64_t>(product);
        if (low < n) {
            const std::uint64_t threshold = (0 - n) % n;
            while (low < threshold) {
                product = static_cast<Wide>(Next()) * n;
                low = static_cast<std::uint64_t>(product);
            }
        }
        offset = static_cast<std::uint64_t>(product >> 64);
    }
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(lo) + offset);
}

Random& SystemRandom() {
    static Random shared;
    return shared;
}

} // namespace core
