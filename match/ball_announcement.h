#pragma once

#include <optional>
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

// A ball as it was bowled: by team t, from where its innings stood.
struct Ball {
    int t = 1;
    InningsScore before;
};

// The few words a screen reader says after a ball of team t: what happened and where the innings
// stands, e.g. "4 runs to Player 3. Lions 84 for 2" or "Player 3 out. Player 4 in. Lions 80 for 3".
// The batsman follows from the wickets before the ball, as on the scoreboard.
std::string ballAnnouncement(const Scoreboard& scoreboard, int t, InningsScore before);

// Where the match stands, for a player who asks: the latest ball, the batting side's score
// where that ball does not say it, the batsman in and his runs, and in the chase the runs
// still needed, e.g. "4 runs to Player 3. Lions 84 for 2. Player 3 batting, 12 runs".
std::string matchStanding(const Scoreboard& scoreboard, const std::optional<Ball>& latest);

}  // namespace bw::match
