#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string>

#include "match/ball_announcement.h"
#include "match/scoreboard.h"
#include "runtime/qt/announcement.h"
#include "runtime/qt/form.h"

namespace bw::match {

// The match screen: renders the scoreboard model and forwards clicks to the match logic.
class FrmBailwood2 final : public rt::qt::Form {
    Q_OBJECT

  public:
    explicit FrmBailwood2(rt::qt::FormRuntime& forms);

    void Form_Load() override;
    Scoreboard& scoreboard() { return scoreboard_; }
    // The control a child widget renders; nullptr for any other widget.
    const Control* controlOf(const QWidget* widget) const;
    // What the screen reader says of the latest ball; empty before the first.
    std::string latestBall() const;
    // The innings buttons' description: the latest ball, for Where Am I to repeat, where
    // screen readers read a description anew when told it changed, without saying it.
    std::string inningsButtonDescription() const;
    // The first show also has the screen reader meet the controls anew.
    void setVisible(bool visible) override;

  private:
    void closeButton() override;
    void render(const Control& control, Property property);
    QWidget* widgetOf(const Control& control);
    void focusTheInningsButton();
    void bowl(int t);
    void tellDescriptionChanges();
    void tellNameChanges();

    Scoreboard scoreboard_;
    std::array<QWidget*, Scoreboard::kControls> widgets_{};
    // The names as last told, to tell the screen reader only of real changes.
    std::array<QString, Scoreboard::kControls> heardNames_{};
    std::optional<Ball> latestBall_;  // none before the first ball
    bool shownBefore_ = false;        // the screen has been shown at least once
    // Speaks each ball, and where the match stands when asked, to the screen reader.
    rt::qt::Announcer announcer_;
};

}  // namespace bw::match
