#include "match/view/frm_bailwood2.h"

#include <QAccessible>
#include <QKeySequence>
#include <QShortcut>
#include <algorithm>

#include "match/accessible_text.h"
#include "match/ball_announcement.h"
#include "match/match_screen.h"
#include "match/match_setup.h"
#include "match/view/scoreboard_accessibility.h"
#include "runtime/qt/caption_widgets.h"
#include "runtime/qt/form_runtime.h"
#include "runtime/qt/orca48.h"
#include "runtime/qt/presentation.h"
#include "runtime/qt/window_builder.h"

namespace bw::match {

using rt::qt::CaptionButton;
using rt::qt::CaptionLabel;

namespace {

// The boxes a ball's handler meets: a box it opens is asked to lead with the ball, since screen
// readers speak a box as it takes the foreground, cutting short anything said just before.
class BoxesOfABall final : public rt::Boxes {
  public:
    BoxesOfABall(rt::Boxes& boxes, const FrmBailwood2& screen) : boxes_(boxes), screen_(screen) {}

    void rtcMsgBox(const std::string& prompt, int buttons, const std::string& title) override {
        toldTheBall_ = true;
        boxes_.messageAfter(screen_.latestBall(), prompt, buttons, title);
    }

    std::string rtcInputBox(const std::string& prompt, const std::string& title) override {
        return boxes_.rtcInputBox(prompt, title);
    }

    bool toldTheBall() const { return toldTheBall_; }

  private:
    rt::Boxes& boxes_;
    const FrmBailwood2& screen_;
    bool toldTheBall_ = false;
};

}  // namespace

FrmBailwood2::FrmBailwood2(rt::qt::FormRuntime& forms) : Form(forms), announcer_(*this) {
    installScoreboardAccessibility();
    const std::vector<QWidget*> widgets = rt::qt::buildWindow(*this, matchScreenDesign());
    std::copy(widgets.begin(), widgets.end(), widgets_.begin());
    // The screen's own interface names each control. A name of the widget's own keeps Qt from
    // telling the screen reader of every new caption, the hidden working labels' included.
    for (QWidget* widget : widgets_) widget->setAccessibleName(widget->objectName());

    scoreboard_.observe(
        [this](const Control& c, Property p) { render(c, p); },
        [this](const std::string& caption) { rt::qt::setWindowCaption(*this, caption); });

    for (int t = 1; t <= 2; ++t)
        onClick(qobject_cast<CaptionButton*>(widgetOf(scoreboard_.cmdInn(t))),
                [this, t] { bowl(t); });
    // A screen reader's player asks where the match stands; nothing on the screen changes.
    connect(
        new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this), &QShortcut::activated,
        this, [this] {
            announcer_.announce(QString::fromStdString(matchStanding(scoreboard_, latestBall_)));
        });
}

void FrmBailwood2::Form_Load() {
    match::Form_Load(scoreboard_, forms().runtime().boxes);
    // The team names are in every name on the screen; the screen reader meets them as the
    // screen shows, and is told of changes after that.
    tellNameChanges();
}

void FrmBailwood2::bowl(int t) {
    // A hidden button cannot be clicked, even by a click queued before it was hidden.
    if (!scoreboard_.cmdInn(t).visible()) return;
    // Its words follow from where the innings stood before it and the scoreboard as it is.
    latestBall_ = Ball{t, inningsScore(scoreboard_, t)};
    BoxesOfABall boxes(forms().runtime().boxes, *this);
    rt::Runtime runtime{forms().runtime().random, boxes, forms().runtime().windows};
    if (t == 1) {
        cmdInn1_Click(scoreboard_, runtime);
    } else {
        cmdInn2_Click(scoreboard_, runtime);
    }
    tellDescriptionChanges();
    // Told once: by the box the ball opened, or else now.
    if (!boxes.toldTheBall()) announcer_.announce(QString::fromStdString(latestBall()));
    tellNameChanges();
}

std::string FrmBailwood2::latestBall() const {
    return latestBall_ ? ballAnnouncement(scoreboard_, latestBall_->t, latestBall_->before) : "";
}

std::string FrmBailwood2::inningsButtonDescription() const {
    return rt::qt::kOrca48MayListen ? "" : latestBall();
}

// Screen readers keep the descriptions they have read: they are told of the new ball.
void FrmBailwood2::tellDescriptionChanges() {
    if (inningsButtonDescription().empty()) return;
    for (int t = 1; t <= 2; ++t) {
        if (!scoreboard_.cmdInn(t).visible()) continue;
        QAccessibleEvent event(widgetOf(scoreboard_.cmdInn(t)), QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

// Names hold the figures, so a ball renames a few labels; a screen reader hears of those on
// the screen, and of nothing else. A reader that heard of a label before its window showed
// would keep it as unseen.
void FrmBailwood2::tellNameChanges() {
    if (!QAccessible::isActive()) return;
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        const QString name =
            QString::fromStdString(match::accessibleName(scoreboard_, scoreboard_.controls()[i]));
        if (name == heardNames_[i]) continue;
        heardNames_[i] = name;
        if (!widgets_[i]->isVisible()) continue;
        QAccessibleEvent event(widgets_[i], QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void FrmBailwood2::setVisible(bool visible) {
    if (visible && !shownBefore_) {
        shownBefore_ = true;
        renewControlAccessibles(*this);
    }
    Form::setVisible(visible);
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

// The keyboard plays the match: Space always reaches the innings button on show. The button
// takes the focus once it has its caption, so that a screen reader never meets it nameless.
void FrmBailwood2::focusTheInningsButton() {
    for (int t = 1; t <= 2; ++t) {
        const Control& button = scoreboard_.cmdInn(t);
        if (button.visible() && !button.caption().empty()) widgetOf(button)->setFocus();
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
                focusTheInningsButton();
            } else {
                qobject_cast<CaptionLabel*>(widget)->setCaption(control.caption());
            }
            break;
    }
}

}  // namespace bw::match
