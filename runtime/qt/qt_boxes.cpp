#include "runtime/qt/qt_boxes.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>

#include "runtime/qt/presentation.h"

namespace bw::rt::qt {

namespace {

QMessageBox::Icon iconFor(int buttons) {
    switch (buttons & 0x70) {
        case vbCritical:
            return QMessageBox::Critical;
        case vbInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

void QtBoxes::rtcMsgBox(const std::string& prompt, int buttons, const std::string& title) {
    messageAfter({}, prompt, buttons, title);
}

void QtBoxes::messageAfter(const std::string& heardFirst, const std::string& prompt, int buttons,
                           const std::string& title) {
    QMessageBox box(iconFor(buttons), QString(), QString::fromStdString(prompt), QMessageBox::Ok);
    setWindowCaption(box, title);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    // A screen reader reads a box as it takes the foreground, cutting short or following
    // whatever it was told just before: the box's text, as read, says those words first.
    if (!heardFirst.empty()) {
        if (auto* text = box.findChild<QLabel*>("qt_msgbox_label"))
            text->setAccessibleName(QString::fromStdString(heardFirst + ". " + prompt));
    }
    // The keyboard goes back to the window that was in use, so play can go on without a click.
    const QPointer<QWidget> inUse = QApplication::activeWindow();
    box.exec();
    if (inUse && inUse->isVisible()) inUse->activateWindow();
}

std::string QtBoxes::rtcInputBox(const std::string& prompt, const std::string& title) {
    QInputDialog box;
    setWindowCaption(box, title);
    box.setInputMode(QInputDialog::TextInput);
    box.setLabelText(QString::fromStdString(prompt));
    for (QLabel* label : box.findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
    if (box.exec() != QDialog::Accepted) return {};
    return box.textValue().toStdString();
}

}  // namespace bw::rt::qt
