#pragma once

#include <string>

#include "match/scoreboard.h"

namespace bw::match {

// What a screen reader says for a control of the match screen: a name that makes sense heard
// out of context, and the value the control holds now.
struct AccessibleText {
    std::string name;
    std::string value;
    friend bool operator==(const AccessibleText&, const AccessibleText&) = default;
};

// Read from the scoreboard at the moment it is asked, so it never lags behind play. The
// hidden working labels have no name: they are not part of what a person sees.
AccessibleText accessibleText(Scoreboard& scoreboard, const Control& control);

}  // namespace bw::match
