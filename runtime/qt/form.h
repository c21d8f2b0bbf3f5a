#pragma once

#include <QWidget>
#include <functional>

class QAbstractButton;
class QAction;

namespace bw::rt::qt {

class FormRuntime;

// A window of the program: built from its designed values in its constructor; the runtime
// names it after its window, and runs its load handler before it is first shown.
class Form : public QWidget {
    Q_OBJECT

  public:
    explicit Form(FormRuntime& forms);

    virtual void Form_Load() {}

  protected:
    FormRuntime& forms() { return forms_; }
    // Event handlers run through the runtime, which reports a run-time error and ends.
    void onClick(QAbstractButton* button, std::function<void()> handler);
    void onTriggered(QAction* action, std::function<void()> handler);
    // What the window's close button does.
    virtual void closeButton() = 0;

  private:
    void closeEvent(QCloseEvent* event) override;

    FormRuntime& forms_;
};

}  // namespace bw::rt::qt
