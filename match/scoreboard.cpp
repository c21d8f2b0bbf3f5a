#include "match/scoreboard.h"

#include <utility>

#include "runtime/errors.h"

namespace bw::match {

using rt::Alignment;
using rt::ControlDesign;
using rt::ControlKind;
using rt::Rgb;
using rt::TwipsRect;

namespace {

constexpr int kRowTop = 1200;
constexpr int kRowPitch = 360;
constexpr int kRowHeight = 255;
constexpr double kNamePoints = 9.75;
constexpr double kSmallPoints = 8.25;

ControlDesign label(std::string name, std::string caption, TwipsRect position,
                    std::optional<Rgb> colour, Alignment alignment, double pointSize, bool bold,
                    bool transparent = true) {
    return {std::move(name), ControlKind::Label, std::move(caption), position,
            colour,          alignment,          pointSize,          bold,
            false,           transparent};
}

ControlDesign innings_button(std::string name, int left) {
    return {std::move(name),
            ControlKind::CommandButton,
            "",
            {left, 6120, 1215, 855},
            rt::kGreen,
            Alignment::Centre,
            kSmallPoints,
            true,
            false,
            false};
}

// Hidden working storage of the delivery: opaque, platform colours.
ControlDesign working_label(std::string name, int left) {
    return label(std::move(name), "", {left, 6120, 615, 495}, std::nullopt, Alignment::Left,
                 kSmallPoints, false, false);
}

std::array<ControlDesign, Scoreboard::kControls> buildDesign() {
    std::array<ControlDesign, Scoreboard::kControls> d;
    std::size_t i = 0;
    // The player grid, in the index order of Scoreboard: names and runs of team 1, then team 2.
    for (int t = 1; t <= 2; ++t) {
        const int nameLeft = t == 1 ? 120 : 3480;
        const int runsLeft = t == 1 ? 1440 : 4800;
        for (int n = 1; n <= Scoreboard::kPlayers; ++n) {
            const int top = kRowTop + kRowPitch * (n - 1);
            d[i++] = label("lblP" + std::to_string(n) + "T" + std::to_string(t),
                           "Player " + std::to_string(n), {nameLeft, top, 1215, kRowHeight},
                           rt::kYellow, Alignment::Left, kNamePoints, false);
        }
        for (int n = 1; n <= Scoreboard::kPlayers; ++n) {
            const int top = kRowTop + kRowPitch * (n - 1);
            d[i++] = label("lblP" + std::to_string(n) + "R" + std::to_string(t), "",
                           {runsLeft, top, 615, kRowHeight}, rt::kYellow, Alignment::Centre,
                           kSmallPoints, false);
        }
    }
    d[i++] = label("lblTeam1", "", {120, 720, 1935, 255}, rt::kOrange, Alignment::Centre,
                   kNamePoints, true);
    d[i++] = label("lblTeam2", "", {3480, 720, 1935, 255}, rt::kOrange, Alignment::Centre,
                   kNamePoints, true);
    d[i++] = label("lblTR1", "", {1440, 5280, 615, 255}, rt::kRed, Alignment::Centre, kSmallPoints,
                   true);
    d[i++] = label("lblTR2", "", {4800, 5280, 615, 255}, rt::kRed, Alignment::Centre, kSmallPoints,
                   true);
    d[i++] = label("lblWT1", "", {1440, 5520, 615, 255}, rt::kRed, Alignment::Centre, kSmallPoints,
                   true);
    d[i++] = label("lblWT2", "", {4800, 5520, 615, 255}, rt::kRed, Alignment::Centre, kSmallPoints,
                   true);
    d[i++] = innings_button("cmdInn1", 120);
    d[i++] = innings_button("cmdInn2", 3480);
    d[i++] = working_label("lblCounter", 1560);
    d[i++] = working_label("lblResult", 2520);
    d[i++] = working_label("lblWkts", 4920);
    ControlDesign title = label("lblTitle", std::string(Scoreboard::kDesignedCaption),
                                {1215, 0, 2925, 435}, rt::kGreen, Alignment::Centre, 18.0, true);
    title.underline = true;
    d[i++] = title;
    d[i++] = label("lblTotal1", "Total Runs:", {120, 5280, 1215, 255}, rt::kRed, Alignment::Right,
                   kNamePoints, true);
    d[i++] = label("lblTotal2", "Total Runs:", {3480, 5280, 1215, 255}, rt::kRed, Alignment::Right,
                   kNamePoints, true);
    d[i++] = label("lblWickets1", "Wickets:", {120, 5520, 1215, 255}, rt::kRed, Alignment::Right,
                   kNamePoints, true);
    d[i++] = label("lblWickets2", "Wickets:", {3480, 5520, 1215, 255}, rt::kRed, Alignment::Right,
                   kNamePoints, true);
    return d;
}

template <std::size_t... I>
std::array<Control, sizeof...(I)> makeControls(Scoreboard& owner, std::index_sequence<I...>,
                                               const std::array<ControlDesign, sizeof...(I)>& d,
                                               Control (*make)(Scoreboard&, const ControlDesign&)) {
    return {make(owner, d[I])...};
}

}  // namespace

const std::array<ControlDesign, Scoreboard::kControls>& matchScreenControls() {
    static const auto design = buildDesign();
    return design;
}

const rt::WindowDesign& matchScreenDesign() {
    static const rt::WindowDesign design{.caption = Scoreboard::kDesignedCaption,
                                         .clientWidth = 5640,
                                         .clientHeight = 7110,
                                         .background = rt::kDarkGreen,
                                         .frame = rt::Frame::Sizable,
                                         .controls = matchScreenControls()};
    return design;
}

Control::Control(Scoreboard& owner, const ControlDesign& design)
    : owner_(&owner),
      design_(&design),
      caption_(design.caption),
      visible_(true),
      fontBold_(design.bold) {}

void Control::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    changed(Property::Caption);
}

void Control::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    changed(Property::Visible);
}

void Control::setFontBold(bool bold) {
    if (bold == fontBold_) return;
    fontBold_ = bold;
    changed(Property::FontBold);
}

void Control::changed(Property property) {
    if (owner_->onControl_) owner_->onControl_(*this, property);
}

Scoreboard::Scoreboard()
    : controls_(makeControls(*this, std::make_index_sequence<kControls>{}, matchScreenControls(),
                             [](Scoreboard& s, const ControlDesign& d) { return Control(s, d); })),
      windowCaption_(kDesignedCaption) {}

void Scoreboard::setWindowCaption(std::string caption) {
    if (caption == windowCaption_) return;
    windowCaption_ = std::move(caption);
    if (onWindowCaption_) onWindowCaption_(windowCaption_);
}

std::size_t Scoreboard::player(PlayerColumn column, int n, int t) {
    if (n < 1 || n > kPlayers) throw rt::RuntimeError::subscriptOutOfRange("player", n);
    const std::size_t columnIndex = team(0, t) * 2 + column;
    return kPlayerBase + columnIndex * kPlayers + static_cast<std::size_t>(n - 1);
}

std::size_t Scoreboard::team(std::size_t base, int t) {
    if (t < 1 || t > 2) throw rt::RuntimeError::subscriptOutOfRange("team", t);
    return base + static_cast<std::size_t>(t - 1);
}

Control* Scoreboard::find(std::string_view name) {
    return const_cast<Control*>(std::as_const(*this).find(name));
}

const Control* Scoreboard::find(std::string_view name) const {
    for (const auto& control : controls_) {
        if (control.name() == name) return &control;
    }
    return nullptr;
}

void Scoreboard::observe(Observer onControl, WindowCaptionObserver onWindowCaption) {
    onControl_ = std::move(onControl);
    onWindowCaption_ = std::move(onWindowCaption);
}

}  // namespace bw::match
