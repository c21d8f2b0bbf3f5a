#pragma once

#include <QString>

class QWidget;

namespace bw::rt::qt {

// Has the screen reader say the words at once, whatever has the focus. The notice is a widget
// that draws nothing and whose accessible name is the words; it shows from the first
// announcement on.
void announce(QWidget& notice, const QString& words);

}  // namespace bw::rt::qt
