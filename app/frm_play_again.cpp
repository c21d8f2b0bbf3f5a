#include "app/frm_play_again.h"

#include <QAccessibleWidget>
#include <QPushButton>

#include "app/play_again.h"
#include "match/forms.h"
#include "runtime/qt/caption_widgets.h"
#include "runtime/qt/form_runtime.h"
#include "runtime/qt/presentation.h"

namespace bw::app {

using rt::qt::twipsToPixels;

namespace {

QRect twips(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// A screen reader meets the window as a dialog, and so speaks its question when it opens.
QAccessibleInterface* dialogFactory(const QString&, QObject* object) {
    auto* dialog = qobject_cast<QWidget*>(object);
    if (!dynamic_cast<FrmPlayAgain*>(dialog)) return nullptr;
    return new QAccessibleWidget(dialog, QAccessible::Dialog);
}

}  // namespace

FrmPlayAgain::FrmPlayAgain(rt::qt::FormRuntime& forms) : Form(forms, frmPlayAgain) {
    static const bool dialogRole = (QAccessible::installFactory(dialogFactory), true);
    (void)dialogRole;
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    rt::qt::setWindowCaption(*this, "Play Again?");
    setWindowIcon(rt::qt::bitmapIcon(":/icons/play-again"));
    setFixedSize(twipsToPixels(3585), twipsToPixels(1335));
    setFont(rt::qt::classicFont(8.25));

    // The question comes first among the children: a screen reader speaks it as the dialog
    // opens, before the buttons.
    auto* label1 = new rt::qt::CaptionLabel(this);
    label1->setObjectName("Label1");
    label1->setAlignment(Qt::AlignCenter);
    label1->setFont(rt::qt::classicFont(12, true));
    QPalette palette = label1->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 128, 0));
    label1->setPalette(palette);
    label1->setGeometry(twips(120, 120, 3285, 300));
    label1->setCaption("Do you want to play again?");

    auto* cmdYes = new QPushButton("&Yes", this);
    cmdYes->setObjectName("cmdYes");
    cmdYes->setGeometry(twips(240, 600, 1215, 495));
    auto* cmdNo = new QPushButton("&No", this);
    cmdNo->setObjectName("cmdNo");
    cmdNo->setGeometry(twips(2040, 600, 1215, 495));
    QWidget::setTabOrder(cmdYes, cmdNo);

    auto& windows = this->forms();
    onClick(cmdYes, [&windows] { cmdYes_Click(windows); });
    onClick(cmdNo, [&windows] { cmdNo_Click(windows); });
}

void FrmPlayAgain::closeButton() { frmPlayAgain_Closed(forms()); }

}  // namespace bw::app
