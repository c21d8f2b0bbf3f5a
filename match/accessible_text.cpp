#include "match/accessible_text.h"

namespace bw::match {

namespace {

constexpr int kPlayers = Scoreboard::kPlayers;

std::string teamName(Scoreboard& sb, int t) {
    const std::string& name = sb.lblTeam(t).caption();
    return name.empty() ? "Team " + std::to_string(t) : name;
}

std::string orNone(const std::string& caption) { return caption.empty() ? "none" : caption; }

std::string score(Scoreboard& sb, int t) {
    return "runs " + orNone(sb.lblTR(t).caption()) + ", wickets " + orNone(sb.lblWT(t).caption());
}

std::string playerName(Scoreboard& sb, int n, int t) {
    return "Player " + std::to_string(n) + " of " + teamName(sb, t);
}

std::string runsValue(Scoreboard& sb, int n, int t) {
    const Control& runs = sb.lblPR(n, t);
    std::string value = runs.caption();
    if (value.empty()) value = sb.lblPT(n, t).visible() ? "no runs yet" : "yet to bat";
    if (runs.fontBold()) value += ", batting";
    return value;
}

// The labels that only caption a total or a wicket count read as the figure they caption.
AccessibleText teamFigure(Scoreboard& sb, const Control& control, int t) {
    if (&control == &sb.lblTR(t) || control.name() == "lblTotal" + std::to_string(t))
        return {teamName(sb, t) + ", total runs", orNone(sb.lblTR(t).caption())};
    if (&control == &sb.lblWT(t) || control.name() == "lblWickets" + std::to_string(t))
        return {teamName(sb, t) + ", wickets", orNone(sb.lblWT(t).caption())};
    return {};
}

}  // namespace

AccessibleText accessibleText(Scoreboard& sb, const Control& control) {
    if (&control == &sb.lblCounter() || &control == &sb.lblResult() || &control == &sb.lblWkts())
        return {};
    for (int t = 1; t <= 2; ++t) {
        if (&control == &sb.lblTeam(t)) return {"Team " + std::to_string(t), control.caption()};
        if (&control == &sb.cmdInn(t)) return {control.caption(), score(sb, t)};
        for (int n = 1; n <= kPlayers; ++n) {
            if (&control == &sb.lblPT(n, t))
                return {playerName(sb, n, t), control.fontBold() ? "batting" : "out"};
            if (&control == &sb.lblPR(n, t))
                return {playerName(sb, n, t) + ", runs", runsValue(sb, n, t)};
        }
        if (AccessibleText figure = teamFigure(sb, control, t); !figure.name.empty()) return figure;
    }
    return {control.caption(), ""};
}

}  // namespace bw::match
