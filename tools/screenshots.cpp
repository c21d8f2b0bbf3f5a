// Renders the program's windows from the real widgets into PNG files for the README:
//   bw_screenshots <output folder>
// Names and rolls are scripted so that the pictures only change when the look does.
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "app/bailwood2.h"
#include "match/forms.h"
#include "match/view/frm_bailwood2.h"
#include "runtime/qt/form.h"
#include "runtime/qt/form_runtime.h"
#include "tests/support/scripted_runtime.h"

static void registerIcons() { Q_INIT_RESOURCE(icons); }

namespace {

void save(QWidget* window, const QDir& folder, const char* file) {
    QApplication::processEvents();
    window->grab().save(folder.filePath(file));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    registerIcons();
    const QDir folder(argc > 1 ? argv[1] : "docs");
    bw::testing::ScriptedRandom random;
    bw::testing::ScriptedBoxes boxes;
    bw::rt::qt::FormRuntime forms(bw::app::Bailwood2Project(), random, boxes);

    forms.Show(bw::Window::frmMain);
    save(forms.instance(bw::Window::frmMain), folder, "start-screen.png");

    boxes.answers = {"Lions", "Tigers"};
    forms.Show(bw::Window::frmBailwood2);
    auto* screen = qobject_cast<bw::match::FrmBailwood2*>(forms.instance(bw::Window::frmBailwood2));
    auto& sb = screen->scoreboard();
    auto* cmdInn1 = screen->findChild<QWidget*>("cmdInn1");
    auto* cmdInn2 = screen->findChild<QWidget*>("cmdInn2");
    const auto click = [&](QWidget* button, int roll) {
        random.pushRoll(roll);
        QMetaObject::invokeMethod(button, "click");
    };
    for (int roll : {70, 36, 1, 95, 82, 61, 1, 92, 40, 76, 1, 2, 99}) click(cmdInn1, roll);
    save(screen, folder, "match-in-progress.png");

    while (sb.cmdInn(1).visible()) click(cmdInn1, 95);
    for (int roll : {40, 70, 1, 90, 82}) click(cmdInn2, roll);
    while (sb.cmdInn(2).visible()) click(cmdInn2, 82);
    save(screen, folder, "match-screen.png");
    save(forms.instance(bw::Window::frmPlayAgain), folder, "play-again.png");
    return 0;
}
