#include "runtime/qt/form.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>

#include "runtime/qt/form_runtime.h"

namespace bw::rt::qt {

Form::Form(FormRuntime& forms) : forms_(forms) { setAttribute(Qt::WA_QuitOnClose, false); }

void Form::onClick(QAbstractButton* button, std::function<void()> handler) {
    connect(button, &QAbstractButton::clicked, this,
            [this, handler = std::move(handler)] { forms_.handle(handler); });
}

void Form::onTriggered(QAction* action, std::function<void()> handler) {
    connect(action, &QAction::triggered, this,
            [this, handler = std::move(handler)] { forms_.handle(handler); });
}

void Form::closeEvent(QCloseEvent* event) {
    // The window's own policy decides; the runtime hides and unloads as it says.
    event->ignore();
    forms_.handle([this] { closeButton(); });
}

}  // namespace bw::rt::qt
