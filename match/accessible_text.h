#pragma once

#include <string>

#include "match/scoreboard.h"

namespace bw::match {

// A team as it is spoken: its name as typed, or "Team 1" / "Team 2" when left empty, with the
// team's number added, "Lions (team 1)", where the two names could be mistaken for each other
// or for another label on the screen.
std::string spokenTeamName(const Scoreboard& scoreboard, int t);

// The name under which a screen reader reads a control of the match screen: it makes sense
// heard out of context and holds the figure the control shows, since a label's value does
// not reach the screen reader. Read from the scoreboard when asked, so it never lags behind
// play; no two shown controls share one, whatever the team names. The hidden working labels
// have none.
std::string accessibleName(const Scoreboard& scoreboard, const Control& control);

// The text of a label as a screen reader reads it in place, line by line across the screen
// (Orca's flat review): what the label shows, with the words a bare figure needs beside its
// neighbours, so a row reads "Player 3 12 runs Player 3 4 runs, batting".
std::string accessibleText(const Scoreboard& scoreboard, const Control& control);

}  // namespace bw::match
