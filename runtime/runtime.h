#pragma once

#include "runtime/boxes.h"
#include "runtime/random.h"
#include "runtime/windows.h"

namespace bw::rt {

// The services an event handler reaches: random numbers, boxes and windows.
struct Runtime {
    Random& random;
    Boxes& boxes;
    Windows& windows;
};

}  // namespace bw::rt
