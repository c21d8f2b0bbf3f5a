#pragma once

#include <cstdint>

// Heap allocations made through the global operator new, by any thread, since the program
// started. The benchmark binaries replace the global operator new to keep this count.
namespace bw::bench {

std::uint64_t allocationsSoFar();

}  // namespace bw::bench
