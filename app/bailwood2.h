#pragma once

#include <memory>

#include "runtime/qt/form_runtime.h"

namespace bw::app {

// The project: its three windows, the first of them shown at start-up.
const rt::qt::ProjectDescription& Bailwood2Project();

// The program's entry; a generator may be given in place of the clock-seeded one. With no
// display to show its windows on, it says in one line how to run the game, and fails.
int Bailwood2Main(int argc, char** argv, std::unique_ptr<rt::Random> random = nullptr);

}  // namespace bw::app
