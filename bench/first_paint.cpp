#include "bench/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <fstream>
#include <string>

namespace bw::bench {
namespace {

const char* watchedName = nullptr;

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

class FirstPaintWatcher final : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow() && watched->objectName() == watchedName) {
            seen_ = true;
            std::printf("rss_kb %ld\n", residentKilobytes());
            std::fflush(stdout);
            // Once this paint has been flushed to the window.
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        }
        return false;
    }

  private:
    bool seen_ = false;
};

void installWatcher() {
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new FirstPaintWatcher(application));
}

}  // namespace

void stopAtFirstPaintOf(const char* windowName) {
    watchedName = windowName;
    qAddPreRoutine(installWatcher);
}

}  // namespace bw::bench
