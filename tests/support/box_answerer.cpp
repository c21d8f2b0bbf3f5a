#include "tests/support/box_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>
#include <QtTest>
#include <algorithm>

#include "runtime/qt/form.h"

namespace bw::testing {

namespace {

const QStringList kProgramWindows = {"frmMain", "frmBailwood2", "frmPlayAgain"};

QString shownTitle(QWidget* box) {
    return box->windowHandle() ? box->windowHandle()->title() : box->windowTitle();
}

bool isPlainAscii(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) return false;
    }
    return true;
}

QAbstractButton* dialogButton(QWidget* box, QDialogButtonBox::StandardButton which) {
    for (auto* buttons : box->findChildren<QDialogButtonBox*>()) {
        if (QAbstractButton* b = buttons->button(which)) return b;
    }
    return nullptr;
}

void click(QAbstractButton* button) {
    if (button) QTest::mouseClick(button, Qt::LeftButton);
}

void pressEnter(QWidget* box) {
    QWidget* focus = QApplication::focusWidget();
    const bool inBox = focus && (focus == box || box->isAncestorOf(focus));
    QTest::keyClick(inBox ? focus : box, Qt::Key_Return);
}

void dismiss(QWidget* box) {
    if (auto* dialog = qobject_cast<QDialog*>(box)) {
        dialog->reject();
    } else {
        box->close();
    }
}

}  // namespace

BoxAnswerer::BoxAnswerer(std::initializer_list<BoxAnswer> script) : script_(script) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start();
}

BoxAnswerer::~BoxAnswerer() { timer_.stop(); }

void BoxAnswerer::names(const QString& team1, const QString& team2) {
    add(BoxAnswer::type(team1));
    add(BoxAnswer::type(team2));
}

void BoxAnswerer::setFallback(BoxAnswer forInput, BoxAnswer forMessage) {
    inputFallback_ = std::move(forInput);
    messageFallback_ = std::move(forMessage);
}

int BoxAnswerer::count(BoxKind kind) const {
    return static_cast<int>(std::count_if(shown_.begin(), shown_.end(),
                                          [kind](const BoxShown& s) { return s.kind == kind; }));
}

int BoxAnswerer::unscripted() const {
    return static_cast<int>(
        std::count_if(shown_.begin(), shown_.end(), [](const BoxShown& s) { return !s.scripted; }));
}

void BoxAnswerer::poll() {
    QWidget* box = QApplication::activeModalWidget();
    if (!box || !box->isVisible()) return;
    // A box already answered may still be closing when the timer fires again; one that
    // stays open ignored its answer, and would hang the test.
    if (box == answered_.data()) {
        if (++pollsSinceAnswer_ == kStuckPolls) {
            QTest::qFail("a box stayed open after it was answered", __FILE__, __LINE__);
            dismiss(box);
        }
        return;
    }
    pollsSinceAnswer_ = 0;
    answer(box);
}

void BoxAnswerer::answer(QWidget* box) {
    BoxShown seen;
    seen.index = static_cast<int>(shown_.size());
    seen.title = shownTitle(box);
    seen.windowsVisible = visibleProgramWindows();
    auto* input = qobject_cast<QInputDialog*>(box);
    auto* message = qobject_cast<QMessageBox*>(box);
    if (input) {
        seen.kind = BoxKind::Input;
        seen.text = input->labelText();
        for (QLabel* label : input->findChildren<QLabel*>()) {
            if (label->text() == seen.text) seen.textFormat = label->textFormat();
        }
    } else if (message) {
        seen.kind = BoxKind::Message;
        seen.text = message->text();
        seen.textFormat = message->textFormat();
        seen.icon = message->icon();
    }

    BoxAnswer reply = seen.kind == BoxKind::Input ? inputFallback_ : messageFallback_;
    if (!script_.empty() && seen.kind != BoxKind::Other) {
        reply = std::move(script_.front());
        script_.pop_front();
    } else {
        seen.scripted = false;
    }
    shown_.push_back(seen);
    if (whileOpen_) whileOpen_(shown_.back());

    answered_ = box;
    if (seen.kind == BoxKind::Other) {
        dismiss(box);
        return;
    }
    switch (reply.action) {
        case BoxAnswer::Action::Type:
            if (input) {
                auto* edit = input->findChild<QLineEdit*>();
                edit->clear();
                if (isPlainAscii(reply.text)) {
                    QTest::keyClicks(edit, reply.text);
                } else {
                    input->setTextValue(reply.text);
                }
                click(dialogButton(box, QDialogButtonBox::Ok));
            } else {
                click(message->button(QMessageBox::Ok));
            }
            break;
        case BoxAnswer::Action::Paste:
            if (input) {
                auto* edit = input->findChild<QLineEdit*>();
                edit->clear();
                QGuiApplication::clipboard()->setText(reply.text);
                QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
                click(dialogButton(box, QDialogButtonBox::Ok));
            }
            break;
        case BoxAnswer::Action::Cancel:
            click(dialogButton(box, QDialogButtonBox::Cancel));
            break;
        case BoxAnswer::Action::Ok:
            click(message ? message->button(QMessageBox::Ok)
                          : dialogButton(box, QDialogButtonBox::Ok));
            break;
        case BoxAnswer::Action::Enter:
            pressEnter(box);
            break;
        case BoxAnswer::Action::Close:
            box->close();
            break;
    }
}

WindowSession::WindowSession(const rt::qt::ProjectDescription& project, rt::Random& random)
    : forms_(project, random, boxes_) {
    forms_.onEnd([this](int status) {
        ++endings_;
        endStatus_ = status;
    });
    forms_.handle([&] { forms_.Show(project.windows.front().name); });
}

QWidget* WindowSession::window(std::string_view name) { return forms_.instance(name); }

QWidget* visibleWindow(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible()) return w;
    }
    return nullptr;
}

int visibleCount(const QString& name) {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible()) ++n;
    }
    return n;
}

int topLevelCount(const QString& name) {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) n += w->objectName() == name ? 1 : 0;
    return n;
}

QStringList visibleProgramWindows() {
    QStringList names;
    for (const QString& name : kProgramWindows) {
        for (int i = 0; i < visibleCount(name); ++i) names << name;
    }
    return names;
}

QAbstractButton* buttonOf(QWidget* window, const QString& name) {
    return window ? window->findChild<QAbstractButton*>(name) : nullptr;
}

}  // namespace bw::testing
