#include "runtime/qt/announcement.h"

#include <QAccessible>
#include <QWidget>

namespace bw::rt::qt {

namespace {
constexpr bool kQtAnnounces = QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);
}

Announcer::Announcer(QWidget& window) : window_(window) {
    if (kQtAnnounces) return;
    notice_ = new QWidget(&window);
    notice_->setObjectName("latestBall");
    notice_->setGeometry(0, 0, 0, 0);
    notice_->hide();  // until the first announcement
}

void Announcer::announce([[maybe_unused]] const QString& words) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Assertive: a player who bowls faster than the reader speaks hears the latest ball at
    // once, not a queue of balls already past.
    QAccessibleAnnouncementEvent event(&window_, words);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
#else
    // AT-SPI readers (Orca) speak a notification as it shows. One that keeps the names it has
    // read is told the new name first, while the notice still shows the words before.
    if (notice_->isVisible()) {
        QAccessibleEvent renamed(notice_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
    notice_->hide();
    notice_->show();
#endif
}

void tellDescriptionChanged(QWidget& widget) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) && !defined(Q_OS_WIN)
    // Orca 48 speaks a new description of the focused control, and keeps the one it read.
    // Told the focus anew, it reads the description afresh when asked, and says nothing.
    if (widget.hasFocus()) {
        QAccessibleEvent focus(&widget, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
        return;
    }
#endif
    QAccessibleEvent event(&widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace bw::rt::qt
