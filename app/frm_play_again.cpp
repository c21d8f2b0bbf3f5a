#include "app/frm_play_again.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <array>

#include "app/play_again.h"
#include "runtime/qt/form_runtime.h"
#include "runtime/qt/presentation.h"
#include "runtime/qt/window_builder.h"

namespace bw::app {

namespace {

// The question comes first among the children: a screen reader speaks it as the dialog
// opens, before the buttons.
const rt::WindowDesign& design() {
    static const std::array<rt::ControlDesign, 3> controls{{
        {.name = "Label1",
         .kind = rt::ControlKind::Label,
         .caption = "Do you want to play again?",
         .position = {120, 120, 3285, 300},
         .colour = rt::kOrange,
         .alignment = rt::Alignment::Centre,
         .pointSize = 12,
         .bold = true,
         .autoSize = true},
        {.name = "cmdYes",
         .kind = rt::ControlKind::CommandButton,
         .caption = "&Yes",
         .position = {240, 600, 1215, 495},
         .pointSize = 8.25,
         .bold = false,
         .accessKey = true},
        {.name = "cmdNo",
         .kind = rt::ControlKind::CommandButton,
         .caption = "&No",
         .position = {2040, 600, 1215, 495},
         .pointSize = 8.25,
         .bold = false,
         .accessKey = true},
    }};
    static const rt::WindowDesign window{.caption = "Play Again?",
                                         .clientWidth = 3585,
                                         .clientHeight = 1335,
                                         .background = std::nullopt,  // the platform's colour
                                         .frame = rt::Frame::FixedDialog,
                                         .controls = controls};
    return window;
}

// A screen reader meets the window as a dialog, and so speaks its question when it opens.
QAccessibleInterface* dialogFactory(const QString&, QObject* object) {
    auto* dialog = qobject_cast<FrmPlayAgain*>(object);
    return dialog ? new QAccessibleWidget(dialog, QAccessible::Dialog) : nullptr;
}

}  // namespace

FrmPlayAgain::FrmPlayAgain(rt::qt::FormRuntime& forms) : Form(forms) {
    static const bool dialogRole = (QAccessible::installFactory(dialogFactory), true);
    (void)dialogRole;
    rt::qt::buildWindow(*this, design());
    setWindowIcon(rt::qt::bitmapIcon(":/icons/play-again"));

    auto& windows = this->forms();
    onClick(findChild<QAbstractButton*>("cmdYes"), [&windows] { cmdYes_Click(windows); });
    onClick(findChild<QAbstractButton*>("cmdNo"), [&windows] { cmdNo_Click(windows); });
}

void FrmPlayAgain::closeButton() { frmPlayAgain_Closed(forms()); }

}  // namespace bw::app
