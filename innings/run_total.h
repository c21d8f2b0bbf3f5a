#pragma once

#include "match/scoreboard.h"

namespace bw::innings {

// The run total of innings i: the eleven runs labels read leniently (empty counts 0) and
// added in player order.
double SumOfRuns(const match::Scoreboard& frmBailwood2, int i);

}  // namespace bw::innings
