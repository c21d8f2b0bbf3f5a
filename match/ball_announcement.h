#pragma once

#include <string>

#include "match/scoreboard.h"

namespace bw::match {

// Where an innings stands.
struct InningsScore {
    double runs = 0;
    double wickets = 0;
};

// Team t's runs as its players' add up and its wickets, empty labels read as 0: a ball counts
// as soon as it is bowled, before the click handler writes the total, so the ball that opens
// a box is told in full before it.
InningsScore inningsScore(const Scoreboard& scoreboard, int t);

// The few words a screen reader says after a ball of team t: what happened and where the innings
// stands, e.g. "4 runs to Player 3. Lions 84 for 2" or "Player 3 out. Player 4 in. Lions 80 for 3".
// The batsman follows from the wickets before the ball, as on the scoreboard.
std::string ballAnnouncement(const Scoreboard& scoreboard, int t, InningsScore before);

}  // namespace bw::match
