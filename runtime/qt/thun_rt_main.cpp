#include "runtime/qt/thun_rt_main.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "runtime/qt/application_style.h"
#include "runtime/qt/presentation.h"
#include "runtime/qt/qt_boxes.h"

namespace bw::rt::qt {

namespace {

// Gives the program its icon once its first window has painted. The window system takes the
// icon at every size it may show, up to 256 pixels, and drawing those takes as long as the
// whole start screen: nobody sees the icon before the window it belongs to.
class IconAfterFirstPaint final : public QObject {
  public:
    IconAfterFirstPaint(QString path, QObject* parent) : QObject(parent), path_(std::move(path)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                QApplication::setWindowIcon(bitmapIcon(path_));
                deleteLater();
            });
        }
        return false;
    }

  private:
    QString path_;
};

}  // namespace

int ThunRTMain(const ProjectDescription& project, int argc, char** argv,
               std::unique_ptr<Random> random) {
    // A test may already have made the application object; the program makes its own.
    std::optional<QApplication> ownApplication;
    if (!QApplication::instance()) {
        ownApplication.emplace(argc, argv);
        QApplication::setStyle(new ApplicationStyle(QApplication::style()));
    }
    QApplication::setApplicationName(QString::fromStdString(project.name));
    QApplication::setDesktopFileName(project.desktopId);
    QApplication::setQuitOnLastWindowClosed(false);
    if (!project.iconPath.isEmpty()) {
        qApp->installEventFilter(new IconAfterFirstPaint(project.iconPath, qApp));
    }

    if (!random) random = std::make_unique<ClockSeededRandom>();
    QtBoxes boxes;
    FormRuntime forms(project, *random, boxes);
    forms.onEnd([](int status) { QCoreApplication::exit(status); });
    forms.handle([&] { forms.Show(project.windows.front().window); });
    if (forms.ended()) return forms.exitStatus();
    const int loopStatus = QApplication::exec();
    return forms.ended() ? forms.exitStatus() : loopStatus;
}

}  // namespace bw::rt::qt
