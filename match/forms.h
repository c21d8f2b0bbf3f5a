#pragma once

#include <string_view>

#include "runtime/windows.h"

namespace bw {

// The project's windows, reached through the runtime's window services.
enum class Window { frmMain, frmBailwood2, frmPlayAgain };

// The window's name: the object name of its Qt window, by which tools find it.
constexpr std::string_view windowName(Window window) {
    switch (window) {
        case Window::frmMain:
            return "frmMain";
        case Window::frmBailwood2:
            return "frmBailwood2";
        case Window::frmPlayAgain:
            return "frmPlayAgain";
    }
    return {};
}

}  // namespace bw
