#pragma once

#include "match/scoreboard.h"
#include "runtime/runtime.h"

// The match screen's event handlers.
namespace bw::match {

// Every click bowls one delivery of its innings, then recomputes that innings' run total.
void cmdInn1_Click(Scoreboard& frmBailwood2, rt::Runtime& rt);
void cmdInn2_Click(Scoreboard& frmBailwood2, rt::Runtime& rt);

// Closing the match screen discards the match and returns to the start screen, as declining
// another match does; the program is never left without a visible window.
void Form_Closed(rt::Windows& windows);

}  // namespace bw::match
