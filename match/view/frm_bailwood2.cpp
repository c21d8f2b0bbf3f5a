#include "match/view/frm_bailwood2.h"

#include <QAccessible>
#include <QApplication>

#include "match/accessible_text.h"
#include "match/ball_announcement.h"
#include "match/forms.h"
#include "match/match_screen.h"
#include "match/match_setup.h"
#include "match/view/scoreboard_accessibility.h"
#include "runtime/qt/caption_widgets.h"
#include "runtime/qt/form_runtime.h"
#include "runtime/qt/presentation.h"

namespace bw::match {

using rt::qt::CaptionButton;
using rt::qt::CaptionLabel;
using rt::qt::twipsToPixels;

namespace {

constexpr int kClientWidth = 5640;
constexpr int kClientHeight = 7110;

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

QWidget* build(QWidget& window, const ControlDesign& design) {
    QWidget* widget = nullptr;
    if (design.kind == ControlKind::CommandButton) {
        auto* button = new CaptionButton(&window);
        QPalette palette = button->palette();
        if (design.colour) palette.setColor(QPalette::Button, toQColor(*design.colour));
        button->setPalette(palette);
        button->setCaption(design.caption);
        widget = button;
    } else {
        auto* label = new CaptionLabel(&window);
        label->setAlignment(toQt(design.alignment));
        QPalette palette = design.transparent ? label->palette() : QApplication::palette(label);
        if (design.colour) palette.setColor(QPalette::WindowText, toQColor(*design.colour));
        label->setPalette(palette);
        label->setAutoFillBackground(!design.transparent);
        label->setCaption(design.caption);
        widget = label;
    }
    widget->setObjectName(QString::fromStdString(design.name));
    // The screen's own interface names each control. A name of the widget's own keeps Qt from
    // telling the screen reader of every new caption, the hidden working labels' included.
    widget->setAccessibleName(widget->objectName());
    widget->setFont(rt::qt::classicFont(design.pointSize, design.bold, design.underline));
    widget->setGeometry(toPixels(design.position));
    return widget;
}

}  // namespace

FrmBailwood2::FrmBailwood2(rt::qt::FormRuntime& forms) : Form(forms, frmBailwood2) {
    // Sizable, with minimise and close buttons but no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    installScoreboardAccessibility();
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(kDarkGreen));
    setPalette(palette);
    setAutoFillBackground(true);
    resize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    rt::qt::setWindowCaption(*this, scoreboard_.windowCaption());

    auto& controls = scoreboard_.controls();
    for (std::size_t i = 0; i < controls.size(); ++i)
        widgets_[i] = build(*this, controls[i].design());
    latestBallNotice_ = new QWidget(this);
    latestBallNotice_->setObjectName("latestBall");
    latestBallNotice_->setGeometry(0, 0, 0, 0);
    latestBallNotice_->hide();  // until the first ball
    QWidget::setTabOrder(widgetOf(scoreboard_.cmdInn(1)), widgetOf(scoreboard_.cmdInn(2)));

    scoreboard_.observe(
        [this](const Control& c, Property p) { render(c, p); },
        [this](const std::string& caption) { rt::qt::setWindowCaption(*this, caption); });

    for (int t = 1; t <= 2; ++t)
        onClick(static_cast<CaptionButton*>(widgetOf(scoreboard_.cmdInn(t))),
                [this, t] { bowl(t); });
}

void FrmBailwood2::Form_Load() {
    match::Form_Load(scoreboard_, forms().runtime().boxes);
    focusTheInningsButton();
    // The team names are in every name on the screen.
    tellNameChanges();
}

void FrmBailwood2::bowl(int t) {
    // A hidden button cannot be clicked, even by a click queued before it was hidden.
    if (!scoreboard_.cmdInn(t).visible()) return;
    const InningsScore before = inningsScore(scoreboard_, t);
    if (t == 1) {
        cmdInn1_Click(scoreboard_, forms().runtime());
    } else {
        cmdInn2_Click(scoreboard_, forms().runtime());
    }
    // Only now does the total include the ball.
    latestBall_ = ballAnnouncement(scoreboard_, t, before);
    tellNameChanges();
    if (!QAccessible::isActive()) return;
    // Screen readers keep the descriptions they have read; tell them of the new one.
    for (int i = 1; i <= 2; ++i) {
        if (!scoreboard_.cmdInn(i).visible()) continue;
        QAccessibleEvent event(widgetOf(scoreboard_.cmdInn(i)), QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
    // A ball that ended the innings or the match has been told by its box.
    if (!scoreboard_.cmdInn(t).visible()) return;
    // Orca speaks a notice as it shows. It cannot speak a changed description: Qt's bridge
    // sends the object where the new text belongs.
    latestBallNotice_->hide();
    latestBallNotice_->show();
}

// Names hold the figures, so a ball renames a few labels; a screen reader hears of those that
// are shown, and of nothing else.
void FrmBailwood2::tellNameChanges() {
    if (!QAccessible::isActive()) return;
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        if (widgets_[i]->isHidden()) continue;
        const QString name =
            QString::fromStdString(match::accessibleName(scoreboard_, scoreboard_.controls()[i]));
        if (name == heardNames_[i]) continue;
        heardNames_[i] = name;
        QAccessibleEvent event(widgets_[i], QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void FrmBailwood2::closeButton() { Form_Closed(forms()); }

QWidget* FrmBailwood2::widgetOf(const Control& control) {
    return widgets_[static_cast<std::size_t>(&control - scoreboard_.controls().data())];
}

const Control* FrmBailwood2::controlOf(const QWidget* widget) const {
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        if (widgets_[i] == widget) return &scoreboard_.controls()[i];
    }
    return nullptr;
}

// The keyboard plays the match: Space always reaches the innings button on show.
void FrmBailwood2::focusTheInningsButton() {
    for (int t = 1; t <= 2; ++t) {
        if (scoreboard_.cmdInn(t).visible()) widgetOf(scoreboard_.cmdInn(t))->setFocus();
    }
}

void FrmBailwood2::render(const Control& control, Property property) {
    QWidget* widget = widgetOf(control);
    switch (property) {
        case Property::Visible:
            widget->setVisible(control.visible());
            if (control.design().kind == ControlKind::CommandButton) focusTheInningsButton();
            break;
        case Property::FontBold: {
            QFont font = widget->font();
            font.setBold(control.fontBold());
            widget->setFont(font);
            break;
        }
        case Property::Caption:
            if (control.design().kind == ControlKind::CommandButton) {
                static_cast<CaptionButton*>(widget)->setCaption(control.caption());
            } else {
                static_cast<CaptionLabel*>(widget)->setCaption(control.caption());
            }
            break;
    }
}

}  // namespace bw::match
