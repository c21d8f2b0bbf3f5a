#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

class QAbstractButton;
class QWidget;

// Answers the real modal boxes of the window tests as a person would, and records what each
// box showed. A modal box runs its own event loop, so a test cannot answer it by a call after
// the click that opened it: a timer polls for the active modal widget instead.
namespace bw::testing {

enum class BoxKind { Input, Message };

struct BoxAnswer {
    enum class Action { Enter, Cancel, Close };
    Action action;
    QString text;  // entered in an input box before Enter, or before Cancel
};

// What a box showed while it was open.
struct BoxShown {
    int index = 0;  // 0 for the first box answered
    BoxKind kind = BoxKind::Message;
    QString title;  // as the window system shows it
    QString text;   // the prompt of an input box, the text of a message box
    Qt::TextFormat textFormat = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList windowsVisible;  // the program's windows visible behind the box
};

class BoxAnswerer {
  public:
    BoxAnswerer();  // answers from now on, until destroyed

    void add(BoxAnswer answer) { script_.push_back(std::move(answer)); }
    // Two team names, entered in the next two input boxes.
    void names(const QString& team1, const QString& team2);
    // Runs while each box is open, before it is answered.
    void whileOpen(std::function<void(const BoxShown&)> check) { whileOpen_ = std::move(check); }

    const std::vector<BoxShown>& shown() const { return shown_; }
    // Forgets the boxes shown so far: a long session keeps no record of every box.
    void forget() { std::vector<BoxShown>().swap(shown_); }
    int count(BoxKind kind) const;

  private:
    void poll();
    void answer(QWidget* box);

    QTimer timer_;
    std::deque<BoxAnswer> script_;
    std::function<void(const BoxShown&)> whileOpen_;
    std::vector<BoxShown> shown_;
    QPointer<QWidget> answered_;
    int pollsSinceAnswer_ = 0;
};

// The program's top-level window of that object name if it is visible, else nullptr.
QWidget* visibleWindow(const QString& name);
// How many top-level widgets of that object name exist: a window unloaded is gone.
int topLevelCount(const QString& name);
// Object names of the visible program windows (frmMain, frmBailwood2, frmPlayAgain), one for
// each visible instance.
QStringList visibleProgramWindows();
QAbstractButton* buttonOf(QWidget* window, const QString& name);  // or nullptr

}  // namespace bw::testing
