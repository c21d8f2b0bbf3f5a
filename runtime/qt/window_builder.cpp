#include "runtime/qt/window_builder.h"

#include <QApplication>
#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>
#ifdef Q_OS_WIN
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#endif

#include "runtime/qt/caption_widgets.h"
#include "runtime/qt/presentation.h"

namespace bw::rt::qt {

namespace {

QColor toQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

Qt::Alignment toQt(Alignment alignment) {
    switch (alignment) {
        case Alignment::Left:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case Alignment::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Alignment::Centre:
            break;
    }
    return Qt::AlignCenter;
}

QRect toPixels(const TwipsRect& r) {
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
            twipsToPixels(r.height)};
}

#ifdef Q_OS_WIN
// The Windows Vista style draws every button face from the desktop's theme, whatever the
// palette says; the classic Windows style draws it in the palette's button colour. One for
// all the coloured buttons, owned by the application.
QStyle* faceColourStyle() {
    static QPointer<QStyle> style;
    if (!style) {
        style = QStyleFactory::create("Windows");
        style->setParent(qApp);
    }
    return style;
}
#endif

QWidget* buildButton(QWidget& parent, const ControlDesign& design) {
    QPushButton* button = nullptr;
    if (design.accessKey) {
        button = new QPushButton(QString::fromStdString(design.caption), &parent);
    } else {
        auto* literal = new CaptionButton(&parent);
        literal->setCaption(design.caption);
        button = literal;
    }
    if (design.colour) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, toQColor(*design.colour));
        button->setPalette(palette);
#ifdef Q_OS_WIN
        button->setStyle(faceColourStyle());
#endif
    }
    return button;
}

QWidget* buildLabel(QWidget& parent, const ControlDesign& design) {
    auto* label = new CaptionLabel(&parent);
    label->setAlignment(toQt(design.alignment));
    QPalette palette = design.transparent ? label->palette() : QApplication::palette(label);
    if (design.colour) palette.setColor(QPalette::WindowText, toQColor(*design.colour));
    label->setPalette(palette);
    label->setAutoFillBackground(!design.transparent);
    label->setAutoSize(design.autoSize);
    label->setCaption(design.caption);
    return label;
}

QWidget* buildControl(QWidget& parent, const ControlDesign& design) {
    QWidget* widget = design.kind == ControlKind::CommandButton ? buildButton(parent, design)
                                                                : buildLabel(parent, design);
    widget->setObjectName(QString::fromStdString(design.name));
    widget->setFont(classicFont(design.pointSize, design.bold, design.underline));
    // A label that sizes itself to its text has taken its size with its font.
    const QRect designed = toPixels(design.position);
    if (design.autoSize) {
        widget->move(designed.topLeft());
    } else {
        widget->setGeometry(designed);
    }
    return widget;
}

// The designed client size, widened where a label that sizes itself to its text needs it:
// the margin designed right of the label stays.
QSize clientSize(const WindowDesign& design, const std::vector<QWidget*>& controls) {
    QSize size(twipsToPixels(design.clientWidth), twipsToPixels(design.clientHeight));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlDesign& control = design.controls[i];
        if (!control.autoSize) continue;
        const TwipsRect& at = control.position;
        const int margin = twipsToPixels(design.clientWidth - at.left - at.width);
        size.setWidth(std::max(size.width(), controls[i]->geometry().right() + 1 + margin));
    }
    return size;
}

Qt::WindowFlags flagsOf(Frame frame) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return frame == Frame::Sizable ? flags | Qt::WindowMinimizeButtonHint : flags;
}

// The client area below the menu bar. The menu bar keeps the platform's colours rather than
// the window's: every colour of its palette is marked as its own, so none is inherited.
QWidget* clientBelow(QWidget& window, QMenuBar& menuBar, Frame frame) {
    QPalette platform = QApplication::palette(&menuBar);
    platform.setResolveMask(~QPalette::ResolveMask{0});
    menuBar.setPalette(platform);
    menuBar.setAutoFillBackground(true);
    auto* client = new QWidget(&window);
    client->setObjectName("client");
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(&menuBar);
    layout->addWidget(client);
    if (frame == Frame::FixedDialog) layout->setSizeConstraint(QLayout::SetFixedSize);
    return client;
}

}  // namespace

std::vector<QWidget*> buildWindow(QWidget& window, const WindowDesign& design, QMenuBar* menuBar) {
    window.setWindowFlags(flagsOf(design.frame));
    setWindowCaption(window, std::string(design.caption));
    if (design.background) {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, toQColor(*design.background));
        window.setPalette(palette);
        window.setAutoFillBackground(true);
    }
    QWidget* client = menuBar ? clientBelow(window, *menuBar, design.frame) : &window;

    std::vector<QWidget*> controls;
    controls.reserve(design.controls.size());
    QWidget* previousButton = nullptr;
    for (const ControlDesign& control : design.controls) {
        controls.push_back(buildControl(*client, control));
        if (control.kind != ControlKind::CommandButton) continue;
        if (previousButton) QWidget::setTabOrder(previousButton, controls.back());
        previousButton = controls.back();
    }

    const QSize size = clientSize(design, controls);
    if (menuBar) {
        client->setFixedSize(size);
    } else if (design.frame == Frame::FixedDialog) {
        window.setFixedSize(size);
    } else {
        window.resize(size);
    }
    return controls;
}

}  // namespace bw::rt::qt
