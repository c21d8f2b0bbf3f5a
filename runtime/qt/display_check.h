#pragma once

namespace bw::rt::qt {

// Whether Qt's choice of platform will have a display to use: a platform or X11 display
// named on the command line or in QT_QPA_PLATFORM, or an X11 or Wayland display in the
// environment; always on Windows. Without one, Qt aborts with advice to reinstall the program.
bool displayFound(int argc, char** argv);

}  // namespace bw::rt::qt
