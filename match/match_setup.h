#pragma once

#include "match/scoreboard.h"
#include "runtime/boxes.h"

namespace bw::match {

// The match screen's load handler: hides what must not show before play, asks for the two
// team names and captions the first innings button.
void Form_Load(Scoreboard& frmBailwood2, rt::Boxes& boxes);

}  // namespace bw::match
