#include "app/frm_main.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/start_screen.h"
#include "match/forms.h"
#include "runtime/qt/form_runtime.h"
#include "runtime/qt/presentation.h"

namespace bw::app {

using rt::qt::twipsToPixels;

FrmMain::FrmMain(rt::qt::FormRuntime& forms) : Form(forms, frmMain) {
    // Fixed dialog frame: no minimise or maximise button, close button present.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    rt::qt::setWindowCaption(*this, "Bailwood 2");
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 128, 0));
    setPalette(palette);
    setAutoFillBackground(true);

    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName("menuBar");
    menuBar->setNativeMenuBar(false);
    menuBar->setPalette(QApplication::palette(menuBar));
    menuBar->setAutoFillBackground(true);
    QMenu* mnuFile = menuBar->addMenu("&File");
    mnuFile->setObjectName("mnuFile");
    QAction* mnuPBailwood2 = mnuFile->addAction("&Play Bailwood 2");
    mnuPBailwood2->setObjectName("mnuPBailwood2");
    mnuFile->addSeparator()->setObjectName("mnuPSep");
    QAction* mnuPExit = mnuFile->addAction("E&xit");
    mnuPExit->setObjectName("mnuPExit");
    QAction* mnuExit = menuBar->addAction("E&xit");
    mnuExit->setObjectName("mnuExit");

    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(twipsToPixels(3270), twipsToPixels(1005));
    auto* cmdBailwood2 = new QPushButton("&Play Bailwood 2", client);
    cmdBailwood2->setObjectName("cmdBailwood2");
    cmdBailwood2->setFont(rt::qt::classicFont(9.75, true));
    cmdBailwood2->setGeometry(twipsToPixels(240), twipsToPixels(240), twipsToPixels(2775),
                              twipsToPixels(495));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto& windows = this->forms();
    onClick(cmdBailwood2, [&windows] { cmdBailwood2_Click(windows); });
    onTriggered(mnuPBailwood2, [&windows] { mnuPBailwood2_Click(windows); });
    onTriggered(mnuPExit, [&windows] { mnuPExit_Click(windows); });
    onTriggered(mnuExit, [&windows] { mnuExit_Click(windows); });
}

void FrmMain::closeButton() { frmMain_Closed(forms()); }

}  // namespace bw::app
