#pragma once

#include "match/scoreboard.h"
#include "runtime/runtime.h"

namespace bw::innings {

// One delivery of team 2's chase; decides the match the moment it is decided: team 1 by
// runs when team 2 is all out behind, team 2 by wickets once its total passes team 1's, a
// draw when team 2 is all out level. Then the result box and the play-again dialog.
void BowlInns2(match::Scoreboard& frmBailwood2, rt::Runtime& rt);

}  // namespace bw::innings
