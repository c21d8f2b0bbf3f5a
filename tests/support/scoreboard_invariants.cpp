#include "tests/support/scoreboard_invariants.h"

#include <cstdlib>

namespace bw::testing {

namespace {

constexpr int kPlayers = match::Scoreboard::kPlayers;
constexpr double kMostRunsOfOneBall = 6;

// The number a caption shows; an empty caption counts as nothing yet.
double number(const std::string& caption) {
    return caption.empty() ? 0 : std::strtod(caption.c_str(), nullptr);
}

void report(std::string& broken, const std::string& rule, int t) {
    broken += "team " + std::to_string(t) + ": " + rule + "\n";
}

}  // namespace

ScoreboardInvariants::ScoreboardInvariants(match::Scoreboard& scoreboard) : sb_(scoreboard) {
    before_ = {stateOf(1), stateOf(2)};
}

ScoreboardInvariants::TeamState ScoreboardInvariants::stateOf(int t) {
    TeamState state;
    state.wickets = number(sb_.lblWT(t).caption());
    for (int n = 1; n <= kPlayers; ++n) state.runs[n - 1] = number(sb_.lblPR(n, t).caption());
    return state;
}

std::string ScoreboardInvariants::afterClick() {
    ++clicks_;
    const std::array<TeamState, 2> now = {stateOf(1), stateOf(2)};
    std::string broken;
    checkTeam(1, now[0], broken);
    checkTeam(2, now[1], broken);
    checkButtons(broken);
    before_ = now;
    return broken.empty() ? broken : "after click " + std::to_string(clicks_) + ":\n" + broken;
}

void ScoreboardInvariants::checkTeam(int t, const TeamState& now, std::string& broken) {
    const TeamState& was = before_[t - 1];
    const bool batted = sb_.lblPT(1, t).visible();
    const int wickets = static_cast<int>(now.wickets);

    if (now.wickets < was.wickets || now.wickets > was.wickets + 1) {
        report(broken,
               "wickets went from " + std::to_string(was.wickets) + " to " +
                   std::to_string(now.wickets),
               t);
    }
    double runsOfTheClick = 0;
    double sum = 0;
    for (int n = 1; n <= kPlayers; ++n) {
        const double runs = now.runs[n - 1];
        if (runs < was.runs[n - 1])
            report(broken, "player " + std::to_string(n) + "'s runs fell", t);
        runsOfTheClick += runs - was.runs[n - 1];
        sum += runs;
    }
    if (runsOfTheClick > kMostRunsOfOneBall) report(broken, "more than six runs off one ball", t);
    if (number(sb_.lblTR(t).caption()) != sum)
        report(broken, "total is not the sum of the runs", t);
    if (!batted) {
        if (sum != 0 || wickets != 0) report(broken, "scored before its innings", t);
        return;
    }

    int bold = 0;
    for (int n = 1; n <= kPlayers; ++n) {
        const bool in = sb_.lblPR(n, t).fontBold();
        if (in != sb_.lblPT(n, t).fontBold()) {
            report(broken, "player " + std::to_string(n) + "'s name and runs differ in bold", t);
        }
        if (in && n != wickets + 1) report(broken, "player " + std::to_string(n) + " is bold", t);
        bold += in ? 1 : 0;
        if (sb_.lblPT(n, t).visible() != (n <= wickets + 1)) {
            report(broken, "player " + std::to_string(n) + "'s name shows wrongly", t);
        }
    }
    if (bold != (wickets <= 10 ? 1 : 0)) {
        report(broken,
               std::to_string(bold) + " batsmen in at " + std::to_string(wickets) + " wickets", t);
    }
}

void ScoreboardInvariants::checkButtons(std::string& broken) {
    const bool firstInningsOver = sb_.lblWT(1).caption() == "11";
    const bool chaseStarted = sb_.lblPT(1, 2).visible();
    const bool matchOver =
        chaseStarted && (sb_.lblWT(2).caption() == "11" ||
                         number(sb_.lblTR(2).caption()) > number(sb_.lblTR(1).caption()));
    const bool first = sb_.cmdInn(1).visible();
    const bool second = sb_.cmdInn(2).visible();
    if (matchOver ? (first || second) : (first == firstInningsOver || second != firstInningsOver)) {
        broken += "wrong innings button shows\n";
    }
}

}  // namespace bw::testing
