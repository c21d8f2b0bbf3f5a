#include "app/frm_main.h"

#include <QAbstractButton>
#include <QMenuBar>
#include <array>

#include "app/start_screen.h"
#include "runtime/qt/form_runtime.h"
#include "runtime/qt/window_builder.h"

namespace bw::app {

namespace {

const rt::WindowDesign& design() {
    static const std::array<rt::ControlDesign, 1> controls{{
        {.name = "cmdBailwood2",
         .kind = rt::ControlKind::CommandButton,
         .caption = "&Play Bailwood 2",
         .position = {240, 240, 2775, 495},
         .pointSize = 9.75,
         .bold = true,
         .accessKey = true},
    }};
    static const rt::WindowDesign window{.caption = "Bailwood 2",
                                         .clientWidth = 3270,
                                         .clientHeight = 1005,
                                         .background = rt::kGreen,
                                         .frame = rt::Frame::FixedDialog,
                                         .controls = controls};
    return window;
}

}  // namespace

FrmMain::FrmMain(rt::qt::FormRuntime& forms) : Form(forms) {
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName("menuBar");
    menuBar->setNativeMenuBar(false);
    QMenu* mnuFile = menuBar->addMenu("&File");
    mnuFile->setObjectName("mnuFile");
    QAction* mnuPBailwood2 = mnuFile->addAction("&Play Bailwood 2");
    mnuPBailwood2->setObjectName("mnuPBailwood2");
    mnuFile->addSeparator()->setObjectName("mnuPSep");
    QAction* mnuPExit = mnuFile->addAction("E&xit");
    mnuPExit->setObjectName("mnuPExit");
    QAction* mnuExit = menuBar->addAction("E&xit");
    mnuExit->setObjectName("mnuExit");
    rt::qt::buildWindow(*this, design(), menuBar);

    auto& windows = this->forms();
    onClick(findChild<QAbstractButton*>("cmdBailwood2"),
            [&windows] { cmdBailwood2_Click(windows); });
    onTriggered(mnuPBailwood2, [&windows] { mnuPBailwood2_Click(windows); });
    onTriggered(mnuPExit, [&windows] { mnuPExit_Click(windows); });
    onTriggered(mnuExit, [&windows] { mnuExit_Click(windows); });
}

void FrmMain::closeButton() { frmMain_Closed(forms()); }

}  // namespace bw::app
