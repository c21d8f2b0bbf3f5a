#pragma once

// Lets screen readers follow the match screen: each shown label and innings button has a name
// that makes sense out of context, read from the scoreboard when asked; the innings buttons
// describe the latest ball; controls the screen does not show are left out of the tree.
namespace bw::match {

// Idempotent; called when a match screen is built.
void installScoreboardAccessibility();

}  // namespace bw::match
