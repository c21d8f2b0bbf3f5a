#pragma once

#include <string>

#include "match/scoreboard.h"

namespace bw::match {

// A team as it is spoken: its name as typed, or "Team 1" / "Team 2" when left empty.
std::string spokenTeamName(const Scoreboard& scoreboard, int t);

// The name under which a screen reader reads a control of the match screen: it makes sense
// heard out of context and holds the figure the control shows, since a label's value does
// not reach the screen reader. Read from the scoreboard when asked, so it never lags behind
// play; no two shown controls share one. The hidden working labels have none.
std::string accessibleName(const Scoreboard& scoreboard, const Control& control);

}  // namespace bw::match
