#include "tests/support/box_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QPushButton>
#include <QWindow>
#include <QtTest>
#include <algorithm>

namespace bw::testing {

constexpr int kStuckPolls = 400;  // two seconds

BoxAnswerer::BoxAnswerer() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start();
}

void BoxAnswerer::names(const QString& team1, const QString& team2) {
    add({BoxAnswer::Action::Enter, team1});
    add({BoxAnswer::Action::Enter, team2});
}

int BoxAnswerer::count(BoxKind kind) const {
    return static_cast<int>(std::count_if(shown_.begin(), shown_.end(),
                                          [kind](const BoxShown& s) { return s.kind == kind; }));
}

void BoxAnswerer::poll() {
    QWidget* box = QApplication::activeModalWidget();
    if (!box || !box->isVisible()) return;
    // A box already answered may still be closing when the timer fires again; one that
    // stays open ignored its answer, and would hang the test.
    if (box != answered_.data()) {
        pollsSinceAnswer_ = 0;
        answer(box);
    } else if (++pollsSinceAnswer_ == kStuckPolls) {
        QTest::qFail("a box stayed open after it was answered", __FILE__, __LINE__);
        box->close();
    }
}

void BoxAnswerer::answer(QWidget* box) {
    BoxShown seen;
    seen.index = static_cast<int>(shown_.size());
    seen.title = box->windowHandle()->title();
    seen.windowsVisible = visibleProgramWindows();
    auto* input = qobject_cast<QInputDialog*>(box);
    if (input) {
        seen.kind = BoxKind::Input;
        seen.text = input->labelText();
    } else if (auto* message = qobject_cast<QMessageBox*>(box)) {
        seen.text = message->text();
        seen.textFormat = message->textFormat();
        seen.icon = message->icon();
    }
    // Once the script runs out: Cancel on input boxes, Enter on message boxes.
    BoxAnswer reply{input ? BoxAnswer::Action::Cancel : BoxAnswer::Action::Enter, {}};
    if (!script_.empty()) {
        reply = std::move(script_.front());
        script_.pop_front();
    }
    shown_.push_back(seen);
    if (whileOpen_) whileOpen_(shown_.back());
    answered_ = box;

    // Text goes in first, even when the answer then cancels: Cancel must drop it. Set as an
    // input method sets it; the tests of the accessibility bus and Windows type it as keys.
    if (input && !reply.text.isEmpty()) input->setTextValue(reply.text);
    if (reply.action == BoxAnswer::Action::Close) {
        box->close();
    } else if (reply.action == BoxAnswer::Action::Cancel) {
        for (auto* buttons : box->findChildren<QDialogButtonBox*>()) {
            if (QAbstractButton* b = buttons->button(QDialogButtonBox::Cancel))
                QTest::mouseClick(b, Qt::LeftButton);
        }
    } else {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && box->isAncestorOf(focus) ? focus : box, Qt::Key_Return);
    }
}

QWidget* visibleWindow(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible()) return w;
    }
    return nullptr;
}

int topLevelCount(const QString& name) {
    const auto widgets = QApplication::topLevelWidgets();
    return static_cast<int>(std::count_if(widgets.begin(), widgets.end(),
                                          [&](QWidget* w) { return w->objectName() == name; }));
}

QStringList visibleProgramWindows() {
    QStringList names;
    for (const char* name : {"frmMain", "frmBailwood2", "frmPlayAgain"}) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == name && w->isVisible()) names << name;
        }
    }
    return names;
}

QAbstractButton* buttonOf(QWidget* window, const QString& name) {
    return window ? window->findChild<QAbstractButton*>(name) : nullptr;
}

}  // namespace bw::testing
