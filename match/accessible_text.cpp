#include "match/accessible_text.h"

#include <cctype>

namespace bw::match {

namespace {

constexpr int kPlayers = Scoreboard::kPlayers;

std::string typedOrNumbered(const Scoreboard& sb, int t) {
    const std::string& name = sb.lblTeam(t).caption();
    return name.empty() ? "Team " + std::to_string(t) : name;
}

// Every name on the screen begins with a team's name, but the title's (the screen's designed
// caption), the players' ("Player 3 of Lions, out"), the innings buttons' ("Play Lions's
// innings.") and the latest ball's ("4 runs to ...", "Player 3 out. ..."). Two teams can be
// told apart by name alone unless one name begins the other ("Lions" and "Lions, 4 runs",
// heard beside Lions' total) or reads like one of those.
bool confusable(const std::string& a, const std::string& b) {
    const auto readsLikeAnotherLabel = [](const std::string& name) {
        return name == Scoreboard::kDesignedCaption || name.starts_with("Play") ||
               std::isdigit(static_cast<unsigned char>(name.front()));
    };
    return a.starts_with(b) || b.starts_with(a) || readsLikeAnotherLabel(a) ||
           readsLikeAnotherLabel(b);
}

std::string counted(const std::string& figure, const char* unit) {
    return figure + " " + unit + (figure == "1" ? "" : "s");
}

std::string playerOf(const Scoreboard& sb, int n, int t) {
    return "Player " + std::to_string(n) + " of " + spokenTeamName(sb, t) + ", ";
}

// A player's runs, "12 runs", "no runs yet" or "no runs" once out, and whether he is batting.
std::string runsRead(const Scoreboard& sb, int n, int t) {
    const Control& runs = sb.lblPR(n, t);
    const bool batting = runs.fontBold();
    std::string read;
    if (!runs.caption().empty()) {
        read = counted(runs.caption(), "run");
    } else if (!sb.lblPT(n, t).visible()) {
        read = "yet to bat";
    } else {
        read = batting ? "no runs yet" : "no runs";
    }
    return batting ? read + ", batting" : read;
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

bool isWorkingLabel(const Scoreboard& sb, const Control& control) {
    return &control == &sb.lblCounter() || &control == &sb.lblResult() || &control == &sb.lblWkts();
}

}  // namespace

std::string spokenTeamName(const Scoreboard& sb, int t) {
    const std::string name = typedOrNumbered(sb, t);
    if (!confusable(name, typedOrNumbered(sb, 3 - t))) return name;
    return name + " (team " + std::to_string(t) + ")";
}

std::string accessibleName(const Scoreboard& sb, const Control& control) {
    if (isWorkingLabel(sb, control)) return {};
    for (int t = 1; t <= 2; ++t) {
        if (&control == &sb.lblTeam(t)) return spokenTeamName(sb, t);
        for (int n = 1; n <= kPlayers; ++n) {
            if (&control == &sb.lblPT(n, t))
                return playerOf(sb, n, t) + (control.fontBold() ? "batting" : "out");
            if (&control == &sb.lblPR(n, t)) return playerOf(sb, n, t) + runsRead(sb, n, t);
        }
        if (std::string figure = teamFigureName(sb, control, t); !figure.empty()) return figure;
    }
    return control.caption();
}

std::string accessibleText(const Scoreboard& sb, const Control& control) {
    if (isWorkingLabel(sb, control)) return {};
    for (int t = 1; t <= 2; ++t) {
        if (&control == &sb.lblTeam(t)) return spokenTeamName(sb, t);
        // An empty total reads as the nothing it stands for.
        if (&control == &sb.lblTR(t) || &control == &sb.lblWT(t))
            return control.caption().empty() ? "0" : control.caption();
        for (int n = 1; n <= kPlayers; ++n) {
            if (&control != &sb.lblPR(n, t)) continue;
            // Beside a player yet to bat there is no name label shown to say whose turn it is.
            const Control& name = sb.lblPT(n, t);
            return name.visible() ? runsRead(sb, n, t) : name.caption() + " " + runsRead(sb, n, t);
        }
    }
    return control.caption();
}

}  // namespace bw::match
