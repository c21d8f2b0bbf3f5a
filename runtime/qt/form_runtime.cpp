#include "runtime/qt/form_runtime.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QPixmapCache>
#include <QScreen>
#include <exception>

#include "runtime/errors.h"
#include "runtime/qt/form.h"

namespace bw::rt::qt {

namespace {

// The style keeps each button face it draws, keyed by the button's palette, and every window
// loaded anew has palettes of its own: the faces of closed windows would pile up to Qt's
// 10 MiB limit over a long session. The open windows need a few hundred KiB even at 2x.
constexpr int kPixmapCacheKiB = 2048;

void centreOnScreen(QWidget& window) {
    // A window sized by its layout has its size only once the layout has run.
    if (QLayout* layout = window.layout()) layout->activate();
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
}

}  // namespace

FormRuntime::FormRuntime(const ProjectDescription& project, Random& random, Boxes& boxes)
    : project_(project), runtime_{random, boxes, *this} {
    QPixmapCache::setCacheLimit(kPixmapCacheKiB);
    for (const WindowClass& windowClass : project.windows) {
        windows_.emplace(windowClass.window, Entry{&windowClass});
    }
}

FormRuntime::~FormRuntime() {
    for (auto& [window, e] : windows_) delete e.instance;
    // Windows unloaded during their own handlers are deleted here if the loop has stopped.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The project lists every window it has, so every window named is found.
FormRuntime::Entry& FormRuntime::entry(Window window) { return windows_.at(window); }

void FormRuntime::Load(Window window) {
    Entry& e = entry(window);
    if (e.instance) return;
    e.instance = e.windowClass->create(*this).release();
    e.instance->setObjectName(e.windowClass->objectName);
    centreOnScreen(*e.instance);
    e.instance->Form_Load();
}

void FormRuntime::Show(Window window) {
    Load(window);
    Form* form = entry(window).instance;
    if (!form) return;  // its load handler unloaded it again
    form->show();
    form->raise();
    form->activateWindow();
}

void FormRuntime::Hide(Window window) {
    if (Form* form = entry(window).instance) form->hide();
}

void FormRuntime::Unload(Window window) {
    Entry& e = entry(window);
    Form* form = e.instance;
    if (!form) return;
    e.instance = nullptr;
    form->hide();
    // The handler that unloads its own window goes on running: delete once it has returned.
    form->deleteLater();
}

void FormRuntime::vbaEnd() { end(0); }

void FormRuntime::end(int status) {
    if (ended_) return;
    ended_ = true;
    exitStatus_ = status;
    for (auto& [window, e] : windows_) Unload(window);
    if (end_) end_(status);
}

void FormRuntime::handle(const std::function<void()>& handler) {
    if (ended_ || handling_) return;
    handling_ = true;
    const struct Done {
        bool& handling;
        ~Done() { handling = false; }
    } done{handling_};
    std::string message;
    try {
        handler();
        return;
    } catch (const RuntimeError& error) {
        message = "Run-time error '" + std::to_string(error.number()) + "':\n\n" + error.what();
    } catch (const std::exception& error) {
        message = std::string("Run-time error:\n\n") + error.what();
    }
    runtime_.boxes.rtcMsgBox(message, vbCritical, project_.title.toStdString());
    end(kRuntimeErrorStatus);
}

Form* FormRuntime::instance(Window window) { return entry(window).instance; }

}  // namespace bw::rt::qt
