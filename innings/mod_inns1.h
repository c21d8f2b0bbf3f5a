#pragma once

#include "match/scoreboard.h"
#include "runtime/runtime.h"

namespace bw::innings {

// One delivery of team 1's innings; on the eleventh wicket, hands over to team 2 and
// announces the target.
void BowlInns1(match::Scoreboard& frmBailwood2, rt::Runtime& rt);

}  // namespace bw::innings
