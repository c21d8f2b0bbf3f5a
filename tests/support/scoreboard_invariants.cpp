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

}  // namespace

ScoreboardInvariants::ScoreboardInvariants(const match::Scoreboard& scoreboard)
    : sb_(scoreboard), before_{stateOf(1), stateOf(2)} {}

ScoreboardInvariants::TeamState ScoreboardInvariants::stateOf(int t) {
    TeamState state{number(sb_.lblWT(t).caption())};
    for (int n = 1; n <= kPlayers; ++n) state[n] = number(sb_.lblPR(n, t).caption());
    return state;
}

std::string ScoreboardInvariants::afterClick() {
    ++clicks_;
    const std::array<TeamState, 2> now{stateOf(1), stateOf(2)};
    const std::string broken = checkTeam(1, now[0]) + checkTeam(2, now[1]) + checkButtons();
    before_ = now;
    return broken.empty() ? broken : "after click " + std::to_string(clicks_) + ":\n" + broken;
}

std::string ScoreboardInvariants::checkTeam(int t, const TeamState& now) {
    std::string broken;
    // Only a broken rule builds its text: the checker runs after every click of many matches.
    const auto fail = [&](int n, const std::string& what) {
        broken += "team " + std::to_string(t) + ": ";
        broken += (n > 0 ? "player " + std::to_string(n) + " " : "") + what + "\n";
    };
    const TeamState& was = before_[t - 1];
    const int wickets = static_cast<int>(now[0]);
    if (now[0] < was[0] || now[0] > was[0] + 1) {
        fail(0, "wickets went from " + std::to_string(was[0]) + " to " + std::to_string(now[0]));
    }
    const bool batted = sb_.lblPT(1, t).visible();
    double sum = 0;
    int bold = 0;
    for (int n = 1; n <= kPlayers; ++n) {
        if (now[n] < was[n]) fail(n, "lost runs");
        sum += now[n];
        if (!batted) continue;
        const bool in = sb_.lblPR(n, t).fontBold();
        if (in != sb_.lblPT(n, t).fontBold()) fail(n, "has name and runs differing in bold");
        if (in && n != wickets + 1) fail(n, "is bold");
        if (sb_.lblPT(n, t).visible() != (n <= wickets + 1)) fail(n, "shows its name wrongly");
        bold += in ? 1 : 0;
    }
    double sumBefore = 0;
    for (int n = 1; n <= kPlayers; ++n) sumBefore += was[n];
    if (sum - sumBefore > kMostRunsOfOneBall) fail(0, "more than six runs off one ball");
    if (number(sb_.lblTR(t).caption()) != sum) fail(0, "total is not the sum of the runs");
    if (!batted && (sum != 0 || wickets != 0)) fail(0, "scored before its innings");
    if (batted && bold != (wickets <= 10 ? 1 : 0)) {
        fail(0, std::to_string(bold) + " batsmen in at " + std::to_string(wickets) + " wickets");
    }
    return broken;
}

std::string ScoreboardInvariants::checkButtons() {
    const bool firstInningsOver = sb_.lblWT(1).caption() == "11";
    const bool matchOver = sb_.lblPT(1, 2).visible() &&
                           (sb_.lblWT(2).caption() == "11" ||
                            number(sb_.lblTR(2).caption()) > number(sb_.lblTR(1).caption()));
    const bool first = sb_.cmdInn(1).visible();
    const bool second = sb_.cmdInn(2).visible();
    const bool right =
        matchOver ? !first && !second : first != firstInningsOver && second == firstInningsOver;
    return right ? "" : "wrong innings button shows\n";
}

}  // namespace bw::testing
