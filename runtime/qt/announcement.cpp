#include "runtime/qt/announcement.h"

#include <QAccessible>
#include <QWidget>

namespace bw::rt::qt {

void announce(QWidget& notice, [[maybe_unused]] const QString& words) {
    // AT-SPI readers (Orca) speak a notification as it shows.
    notice.hide();
    notice.show();
#ifdef Q_OS_WIN
    // Qt's UI Automation bridge passes on no show; it raises a notification, which NVDA and
    // Narrator speak, for a value change carrying text. The window raises it: it is in the
    // foreground whenever a ball is bowled.
    QAccessibleValueChangeEvent event(notice.window(), words);
    QAccessible::updateAccessibility(&event);
#endif
}

}  // namespace bw::rt::qt
