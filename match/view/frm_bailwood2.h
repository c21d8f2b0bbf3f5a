#pragma once

#include <array>

#include "match/scoreboard.h"
#include "runtime/qt/form.h"

namespace bw::match {

// The match screen: renders the scoreboard model and forwards clicks to the match logic.
class FrmBailwood2 final : public rt::qt::Form {
  public:
    explicit FrmBailwood2(rt::qt::FormRuntime& forms);

    void Form_Load() override;
    Scoreboard& scoreboard() { return scoreboard_; }
    // The control a child widget renders; nullptr for any other widget.
    const Control* controlOf(const QWidget* widget) const;

  private:
    void closeButton() override;
    void render(const Control& control, Property property);
    QWidget* widgetOf(const Control& control);
    void focusTheInningsButton();

    Scoreboard scoreboard_;
    std::array<QWidget*, Scoreboard::kControls> widgets_{};
};

}  // namespace bw::match
