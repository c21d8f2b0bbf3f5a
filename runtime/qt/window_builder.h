#pragma once

#include <vector>

#include "runtime/window_design.h"

class QMenuBar;
class QWidget;

namespace bw::rt::qt {

// Builds a window as designed: its frame, caption, background and client size, and its
// controls in design order as children of the client area, which is the window itself or,
// given a menu bar, the area below it. Returns the controls' widgets in design order.
std::vector<QWidget*> buildWindow(QWidget& window, const WindowDesign& design,
                                  QMenuBar* menuBar = nullptr);

}  // namespace bw::rt::qt
