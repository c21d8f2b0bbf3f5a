#pragma once

#include <cstdint>
#include <functional>

namespace bw::rt {

// The runtime's random-number service.
class Random {
  public:
    virtual ~Random() = default;
    // Reseeds from the system clock.
    virtual void rtcRandomize() = 0;
    // The next single-precision value in [0, 1).
    virtual float rtcRandomNext() = 0;
};

// PCG32 (O'Neill): small, fast and of good statistical quality.
class Pcg32 {
  public:
    explicit Pcg32(std::uint64_t seed = 0x853c49e6748fea9bULL);
    std::uint32_t next();
    // Folds a value into the state without discarding what the state already holds.
    void mix(std::uint64_t value);

  private:
    std::uint64_t state_;
};

// A clock reading in nanoseconds; injectable so that tests can freeze it.
using Clock = std::function<std::uint64_t()>;
std::uint64_t highResolutionClock();

// The program's generator. Reseeding mixes the clock reading into the generator's state
// instead of replacing it: clicks within one clock tick still get different rolls.
class ClockSeededRandom final : public Random {
  public:
    explicit ClockSeededRandom(Clock clock = highResolutionClock, Pcg32 generator = Pcg32{});
    void rtcRandomize() override;
    float rtcRandomNext() override;

  private:
    Clock clock_;
    Pcg32 generator_;
};

}  // namespace bw::rt
