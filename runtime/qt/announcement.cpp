#include "runtime/qt/announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace bw::rt::qt {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

Announcer::Announcer(QWidget& window) : window_(window) {}

void Announcer::announce(const QString& words) {
    QAccessibleAnnouncementEvent event(&window_, words);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
}

#else

namespace {

// A child of the window, empty and hidden until the first announcement, that screen readers
// meet as a notification named by the words it was last given.
class Notice final : public QWidget {
  public:
    explicit Notice(QWidget& window) : QWidget(&window) {
        setGeometry(0, 0, 0, 0);
        hide();
    }
    QString words;
};

class NoticeAccessible final : public QAccessibleWidget {
  public:
    explicit NoticeAccessible(Notice* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<const Notice*>(widget())->words;
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* noticeFactory(const QString&, QObject* object) {
    auto* notice = dynamic_cast<Notice*>(object);
    return notice ? new NoticeAccessible(notice) : nullptr;
}

}  // namespace

Announcer::Announcer(QWidget& window) : window_(window), notice_(new Notice(window)) {
    static const bool installed = [] {
        QAccessible::installFactory(noticeFactory);
        return true;
    }();
    (void)installed;
}

// AT-SPI readers (Orca) speak a notification as it shows. One that keeps the names it has
// read is told the new name first, while the notice still shows the words before.
void Announcer::announce(const QString& words) {
    auto& notice = static_cast<Notice&>(*notice_);
    notice.words = words;
    if (notice.isVisible()) {
        QAccessibleEvent renamed(&notice, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
    notice.hide();
    notice.show();
}

#endif

Announcer::~Announcer() = default;

}  // namespace bw::rt::qt
