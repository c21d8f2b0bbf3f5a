#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/allocation_counter.h"

namespace bw::bench {

// Times a benchmark and counts its heap allocations per operation; the set-up between
// pause() and resume() is left out of both.
class Measurement {
  public:
    explicit Measurement(benchmark::State& state) : state_(state), start_(allocationsSoFar()) {}
    Measurement(const Measurement&) = delete;
    Measurement& operator=(const Measurement&) = delete;
    ~Measurement() {
        const auto counted = allocationsSoFar() - start_ - excluded_;
        state_.counters["allocs"] =
            benchmark::Counter(static_cast<double>(counted), benchmark::Counter::kAvgIterations);
    }

    void pause() {
        state_.PauseTiming();
        pausedAt_ = allocationsSoFar();
    }
    void resume() {
        excluded_ += allocationsSoFar() - pausedAt_;
        state_.ResumeTiming();
    }

  private:
    benchmark::State& state_;
    std::uint64_t start_;
    std::uint64_t pausedAt_ = 0;
    std::uint64_t excluded_ = 0;
};

}  // namespace bw::bench
