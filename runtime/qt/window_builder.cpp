#include "runtime/qt/window_builder.h"

#include <QApplication>
#include <QMenuBar>
#include <QVBoxLayout>
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
    label->setCaption(design.caption);
    return label;
}

QWidget* buildControl(QWidget& parent, const ControlDesign& design) {
    QWidget* widget = design.kind == ControlKind::CommandButton ? buildButton(parent, design)
                                                                : buildLabel(parent, design);
    widget->setObjectName(QString::fromStdString(design.name));
    widget->setFont(classicFont(design.pointSize, design.bold, design.underline));
    widget->setGeometry(toPixels(design.position));
    return widget;
}

Qt::WindowFlags flagsOf(Frame frame) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return frame == Frame::Sizable ? flags | Qt::WindowMinimizeButtonHint : flags;
}

// The client area below the menu bar; the menu bar keeps the platform's colours.
QWidget* clientBelow(QWidget& window, QMenuBar& menuBar, QSize size, Frame frame) {
    menuBar.setPalette(QApplication::palette(&menuBar));
    menuBar.setAutoFillBackground(true);
    auto* client = new QWidget(&window);
    client->setObjectName("client");
    client->setFixedSize(size);
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
    const QSize size(twipsToPixels(design.clientWidth), twipsToPixels(design.clientHeight));
    QWidget* client = &window;
    if (menuBar) {
        client = clientBelow(window, *menuBar, size, design.frame);
    } else if (design.frame == Frame::FixedDialog) {
        window.setFixedSize(size);
    } else {
        window.resize(size);
    }

    std::vector<QWidget*> controls;
    controls.reserve(design.controls.size());
    QWidget* previousButton = nullptr;
    for (const ControlDesign& control : design.controls) {
        controls.push_back(buildControl(*client, control));
        if (control.kind != ControlKind::CommandButton) continue;
        if (previousButton) QWidget::setTabOrder(previousButton, controls.back());
        previousButton = controls.back();
    }
    return controls;
}

}  // namespace bw::rt::qt
