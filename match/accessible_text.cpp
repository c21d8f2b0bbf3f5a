#include "match/accessible_text.h"

namespace bw::match {

namespace {

constexpr int kPlayers = Scoreboard::kPlayers;

std::string counted(const std::string& figure, const char* unit) {
    return figure + " " + unit + (figure == "1" ? "" : "s");
}

std::string playerOf(const Scoreboard& sb, int n, int t) {
    return "Player " + std::to_string(n) + " of " + spokenTeamName(sb, t) + ", ";
}

std::string runsName(const Scoreboard& sb, int n, int t) {
    const Control& runs = sb.lblPR(n, t);
    std::string name = playerOf(sb, n, t);
    if (!runs.caption().empty()) {
        name += counted(runs.caption(), "run");
    } else {
        name += sb.lblPT(n, t).visible() ? "no runs yet" : "yet to bat";
    }
    return runs.fontBold() ? name + ", batting" : name;
}

// The figures under a team's column, and the captions beside them.
std::string teamFigureName(const Scoreboard& sb, const Control& control, int t) {
    const std::string team = spokenTeamName(sb, t) + ", ";
    const std::string suffix = std::to_string(t);
    if (&control == &sb.lblTR(t))
        return team +
               (control.caption().empty() ? "no runs yet" : counted(control.caption(), "run"));
    if (&control == &sb.lblWT(t))
        return team + (control.caption().empty() ? "no wickets yet"
                                                 : counted(control.caption(), "wicket"));
    if (control.name() == "lblTotal" + suffix || control.name() == "lblWickets" + suffix)
        return team + control.caption();
    return {};
}

}  // namespace

std::string spokenTeamName(const Scoreboard& sb, int t) {
    const std::string& name = sb.lblTeam(t).caption();
    return name.empty() ? "Team " + std::to_string(t) : name;
}

std::string accessibleName(const Scoreboard& sb, const Control& control) {
    if (&control == &sb.lblCounter() || &control == &sb.lblResult() || &control == &sb.lblWkts())
        return {};
    for (int t = 1; t <= 2; ++t) {
        if (&control == &sb.lblTeam(t)) return spokenTeamName(sb, t);
        for (int n = 1; n <= kPlayers; ++n) {
            if (&control == &sb.lblPT(n, t))
                return playerOf(sb, n, t) + (control.fontBold() ? "batting" : "out");
            if (&control == &sb.lblPR(n, t)) return runsName(sb, n, t);
        }
        if (std::string figure = teamFigureName(sb, control, t); !figure.empty()) return figure;
    }
    return control.caption();
}

}  // namespace bw::match
