#pragma once

#include <string>

#include "match/scoreboard.h"

namespace bw::match {

// Where an innings stands, as the scoreboard shows it once a click has been handled.
struct InningsScore {
    double runs = 0;
    double wickets = 0;
};

// Team t's total and wickets, empty labels read as 0.
InningsScore inningsScore(const Scoreboard& scoreboard, int t);

// The few words a screen reader says after a ball of team t, once the click has been handled
// and the total includes it: what happened and where the innings stands, e.g. "4 runs to
// Player 3. Lions 84 for 2" or "Player 3 out. Player 4 in. Lions 80 for 3". The batsman
// follows from the wickets before the ball, as on the scoreboard.
std::string ballAnnouncement(const Scoreboard& scoreboard, int t, InningsScore before);

}  // namespace bw::match
