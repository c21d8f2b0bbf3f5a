#include "runtime/random.h"

#include <chrono>
#include <utility>

namespace bw::rt {

namespace {

constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
constexpr std::uint64_t kIncrement = 1442695040888963407ULL;

// A bijective 64-bit finaliser: every input bit affects every output bit.
std::uint64_t splitmix64(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

}  // namespace

Pcg32::Pcg32(std::uint64_t seed) : state_(0) {
    next();
    state_ += seed;
    next();
}

std::uint32_t Pcg32::next() {
    const std::uint64_t old = state_;
    state_ = old * kMultiplier + kIncrement;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rot = static_cast<std::uint32_t>(old >> 59U);
    return (xorshifted >> rot) | (xorshifted << ((32U - rot) & 31U));
}

void Pcg32::mix(std::uint64_t value) {
    // The xor keeps the old state's entropy; the finaliser makes a repeated value move the
    // state again instead of cancelling out.
    state_ = splitmix64(state_ ^ splitmix64(value));
}

std::uint64_t highResolutionClock() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

ClockSeededRandom::ClockSeededRandom(Clock clock, Pcg32 generator)
    : clock_(std::move(clock)), generator_(generator) {
    generator_.mix(clock_());
}

void ClockSeededRandom::rtcRandomize() { generator_.mix(clock_()); }

float ClockSeededRandom::rtcRandomNext() {
    // 24 bits fill a float's significand exactly, so the product never rounds up to 1.
    return static_cast<float>(generator_.next() >> 8U) * 0x1p-24F;
}

}  // namespace bw::rt
