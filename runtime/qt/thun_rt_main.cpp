#include "runtime/qt/thun_rt_main.h"

#include <QApplication>
#include <optional>

#include "runtime/qt/presentation.h"
#include "runtime/qt/qt_boxes.h"

namespace bw::rt::qt {

int ThunRTMain(const ProjectDescription& project, int argc, char** argv,
               std::unique_ptr<Random> random) {
    // A test may already have made the application object; the program makes its own.
    std::optional<QApplication> ownApplication;
    if (!QApplication::instance()) ownApplication.emplace(argc, argv);
    QApplication::setApplicationName(QString::fromStdString(project.name));
    QApplication::setDesktopFileName(project.desktopId);
    QApplication::setQuitOnLastWindowClosed(false);
    if (!project.iconPath.isEmpty()) QApplication::setWindowIcon(svgIcon(project.iconPath));

    if (!random) random = std::make_unique<ClockSeededRandom>();
    QtBoxes boxes;
    FormRuntime forms(project, *random, boxes);
    forms.onEnd([](int status) { QCoreApplication::exit(status); });
    forms.handle([&] { forms.Show(project.windows.front().name); });
    if (forms.ended()) return forms.exitStatus();
    const int loopStatus = QApplication::exec();
    return forms.ended() ? forms.exitStatus() : loopStatus;
}

}  // namespace bw::rt::qt
