#pragma once

#include <array>
#include <string>

#include "match/scoreboard.h"

namespace bw::testing {

// Watches one match's scoreboard from click to click and says what a click broke: the
// batsman in, the name labels shown, wickets and runs that only grow, totals that add up and
// the one innings button of the moment.
class ScoreboardInvariants {
  public:
    // Takes the scoreboard as it stands before the first click.
    explicit ScoreboardInvariants(const match::Scoreboard& scoreboard);

    // Checks the scoreboard after a click has been handled: "" when it is sound, otherwise
    // one line for each broken rule.
    std::string afterClick();

  private:
    // The wickets, then the runs of players 1 to 11, as the captions show them.
    using TeamState = std::array<double, match::Scoreboard::kPlayers + 1>;
    TeamState stateOf(int t);
    std::string checkTeam(int t, const TeamState& now);
    std::string checkButtons();

    const match::Scoreboard& sb_;
    std::array<TeamState, 2> before_;
    int clicks_ = 0;
};

}  // namespace bw::testing
