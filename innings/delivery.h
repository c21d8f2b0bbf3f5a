#pragma once

#include "match/scoreboard.h"
#include "runtime/random.h"

namespace bw::innings {

// One delivery for batting team t (1 or 2), shared by both innings. Every value is read back
// from the scoreboard; nothing is kept between steps or between clicks.
void BowlDelivery(match::Scoreboard& frmBailwood2, rt::Random& random, int t);

}  // namespace bw::innings
