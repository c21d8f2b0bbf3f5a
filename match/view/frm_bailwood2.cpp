#include "match/view/frm_bailwood2.h"

#include <QAccessible>
#include <algorithm>

#include "match/accessible_text.h"
#include "match/ball_announcement.h"
#include "match/match_screen.h"
#include "match/match_setup.h"
#include "match/view/scoreboard_accessibility.h"
#include "runtime/qt/caption_widgets.h"
#include "runtime/qt/form_runtime.h"
#include "runtime/qt/presentation.h"
#include "runtime/qt/window_builder.h"

namespace bw::match {

using rt::qt::CaptionButton;
using rt::qt::CaptionLabel;

FrmBailwood2::FrmBailwood2(rt::qt::FormRuntime& forms) : Form(forms) {
    installScoreboardAccessibility();
    const std::vector<QWidget*> widgets = rt::qt::buildWindow(*this, matchScreenDesign());
    std::copy(widgets.begin(), widgets.end(), widgets_.begin());
    // The screen's own interface names each control. A name of the widget's own keeps Qt from
    // telling the screen reader of every new caption, the hidden working labels' included.
    for (QWidget* widget : widgets_) widget->setAccessibleName(widget->objectName());
    latestBallNotice_ = new QWidget(this);
    latestBallNotice_->setObjectName("latestBall");
    latestBallNotice_->setGeometry(0, 0, 0, 0);
    latestBallNotice_->hide();  // until the first ball

    scoreboard_.observe(
        [this](const Control& c, Property p) { render(c, p); },
        [this](const std::string& caption) { rt::qt::setWindowCaption(*this, caption); });

    for (int t = 1; t <= 2; ++t)
        onClick(qobject_cast<CaptionButton*>(widgetOf(scoreboard_.cmdInn(t))),
                [this, t] { bowl(t); });
}

void FrmBailwood2::Form_Load() {
    match::Form_Load(scoreboard_, forms().runtime().boxes);
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
            // Also at setup: hiding the second button focuses the first before the screen shows.
            if (control.design().kind == rt::ControlKind::CommandButton) focusTheInningsButton();
            break;
        case Property::FontBold: {
            QFont font = widget->font();
            font.setBold(control.fontBold());
            widget->setFont(font);
            break;
        }
        case Property::Caption:
            if (auto* button = qobject_cast<CaptionButton*>(widget)) {
                button->setCaption(control.caption());
            } else {
                qobject_cast<CaptionLabel*>(widget)->setCaption(control.caption());
            }
            break;
    }
}

}  // namespace bw::match
