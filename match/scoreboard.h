#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "match/control_design.h"

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

    const ControlDesign& design() const { return *design_; }
    const std::string& name() const { return design_->name; }

  private:
    friend class Scoreboard;
    Control(Scoreboard& owner, const ControlDesign& design);
    void changed(Property property);

    Scoreboard* owner_;
    const ControlDesign* design_;
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
    Control& lblPT(int n, int t) { return at(playerIndex(0, n, t)); }
    Control& lblPR(int n, int t) { return at(playerIndex(1, n, t)); }
    Control& lblTeam(int t) { return at(kTeamBase + t - 1); }
    Control& lblTR(int t) { return at(kTotalBase + t - 1); }
    Control& lblWT(int t) { return at(kWicketsBase + t - 1); }
    Control& cmdInn(int t) { return at(kButtonBase + t - 1); }
    Control& lblCounter() { return at(kCounter); }
    Control& lblResult() { return at(kResult); }
    Control& lblWkts() { return at(kWkts); }

    // A control by its name; nullptr when the screen has none of that name.
    Control* find(std::string_view name);
    std::array<Control, kControls>& controls() { return controls_; }
    const std::array<Control, kControls>& controls() const { return controls_; }

    // Notified after each change of a control or of the window caption, never for a write
    // that leaves the value as it was.
    void observe(Observer onControl, WindowCaptionObserver onWindowCaption);

  private:
    friend class Control;
    // Index layout of controls_, in the order of the designed controls.
    static constexpr int kPlayerBase = 0;  // 4 columns of 11: names 1, runs 1, names 2, runs 2
    static constexpr int kTeamBase = 44;
    static constexpr int kTotalBase = 46;
    static constexpr int kWicketsBase = 48;
    static constexpr int kButtonBase = 50;
    static constexpr int kCounter = 52;
    static constexpr int kResult = 53;
    static constexpr int kWkts = 54;

    static int playerIndex(int column, int n, int t) {
        return kPlayerBase + ((t - 1) * 2 + column) * kPlayers + (n - 1);
    }
    Control& at(int index) { return controls_[static_cast<std::size_t>(index)]; }

    std::array<Control, kControls> controls_;
    std::string windowCaption_;
    Observer onControl_;
    WindowCaptionObserver onWindowCaption_;
};

// The designed controls in the order Scoreboard keeps them.
const std::array<ControlDesign, Scoreboard::kControls>& matchScreenDesign();

}  // namespace bw::match
