#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "runtime/window_design.h"

namespace bw::match {

class Scoreboard;

// What changed on a control, for whoever renders the scoreboard.
enum class Property { Caption, Visible, FontBold };

// A label or command button of the match screen: caption, visibility and (labels) bold flag.
class Control {
  public:
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool fontBold() const { return fontBold_; }
    void setFontBold(bool bold);

    const rt::ControlDesign& design() const { return *design_; }
    const std::string& name() const { return design_->name; }

  private:
    friend class Scoreboard;
    Control(Scoreboard& owner, const rt::ControlDesign& design);
    void changed(Property property);

    Scoreboard* owner_;
    const rt::ControlDesign* design_;
    std::string caption_;
    bool visible_;
    bool fontBold_;
};

// The match screen's 58 labels and 2 buttons: the whole state of a match. Built from the
// design-time values; every read and write of the match goes through it.
class Scoreboard {
  public:
    static constexpr int kControls = 60;
    static constexpr int kPlayers = 11;
    static constexpr std::string_view kDesignedCaption = "Bailwood 2";

    using Observer = std::function<void(const Control&, Property)>;
    using WindowCaptionObserver = std::function<void(const std::string&)>;

    Scoreboard();
    Scoreboard(const Scoreboard&) = delete;
    Scoreboard& operator=(const Scoreboard&) = delete;

    // The window caption of the match screen.
    const std::string& windowCaption() const { return windowCaption_; }
    void setWindowCaption(std::string caption);

    // Player n (1..11) of team t (1, 2): name label lblP<n>T<t> and runs label lblP<n>R<t>.
    // A player or team out of range raises Subscript out of range.
    Control& lblPT(int n, int t) { return controls_[player(kNames, n, t)]; }
    const Control& lblPT(int n, int t) const { return controls_[player(kNames, n, t)]; }
    Control& lblPR(int n, int t) { return controls_[player(kRuns, n, t)]; }
    const Control& lblPR(int n, int t) const { return controls_[player(kRuns, n, t)]; }
    Control& lblTeam(int t) { return controls_[team(kTeamBase, t)]; }
    const Control& lblTeam(int t) const { return controls_[team(kTeamBase, t)]; }
    Control& lblTR(int t) { return controls_[team(kTotalBase, t)]; }
    const Control& lblTR(int t) const { return controls_[team(kTotalBase, t)]; }
    Control& lblWT(int t) { return controls_[team(kWicketsBase, t)]; }
    const Control& lblWT(int t) const { return controls_[team(kWicketsBase, t)]; }
    Control& cmdInn(int t) { return controls_[team(kButtonBase, t)]; }
    const Control& cmdInn(int t) const { return controls_[team(kButtonBase, t)]; }
    Control& lblCounter() { return controls_[kCounter]; }
    const Control& lblCounter() const { return controls_[kCounter]; }
    Control& lblResult() { return controls_[kResult]; }
    const Control& lblResult() const { return controls_[kResult]; }
    Control& lblWkts() { return controls_[kWkts]; }
    const Control& lblWkts() const { return controls_[kWkts]; }

    // A control by its name; nullptr when the screen has none of that name.
    Control* find(std::string_view name);
    const Control* find(std::string_view name) const;
    std::array<Control, kControls>& controls() { return controls_; }
    const std::array<Control, kControls>& controls() const { return controls_; }

    // Notified after each change of a control or of the window caption, never for a write
    // that leaves the value as it was.
    void observe(Observer onControl, WindowCaptionObserver onWindowCaption);

  private:
    friend class Control;
    // Index layout of controls_, in the order of the designed controls. The players come
    // first, in 4 columns of 11: names 1, runs 1, names 2, runs 2.
    static constexpr std::size_t kPlayerBase = 0;
    static constexpr std::size_t kTeamBase = 44;
    static constexpr std::size_t kTotalBase = 46;
    static constexpr std::size_t kWicketsBase = 48;
    static constexpr std::size_t kButtonBase = 50;
    static constexpr std::size_t kCounter = 52;
    static constexpr std::size_t kResult = 53;
    static constexpr std::size_t kWkts = 54;
    enum PlayerColumn { kNames, kRuns };

    // Indexes of controls_, checked.
    static std::size_t player(PlayerColumn column, int n, int t);
    static std::size_t team(std::size_t base, int t);

    std::array<Control, kControls> controls_;
    std::string windowCaption_;
    Observer onControl_;
    WindowCaptionObserver onWindowCaption_;
};

// The designed controls in the order Scoreboard keeps them.
const std::array<rt::ControlDesign, Scoreboard::kControls>& matchScreenControls();
// The match screen as designed: the window and its controls.
const rt::WindowDesign& matchScreenDesign();

}  // namespace bw::match
