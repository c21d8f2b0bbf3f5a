#pragma once

#include <memory>

#include "runtime/qt/form_runtime.h"

namespace bw::rt::qt {

// Starts the program: shows the project's first window, dispatches events until the program
// ends, and returns its exit status. A generator may be given in place of the clock-seeded one.
int ThunRTMain(const ProjectDescription& project, int argc, char** argv,
               std::unique_ptr<Random> random = nullptr);

}  // namespace bw::rt::qt
