#pragma once

// Lets screen readers follow the match screen: each shown label and innings button has a name
// that makes sense out of context, read from the scoreboard when asked, and each label offers
// its text to be read in place, row by row; the innings buttons describe the latest ball
// where screen readers allow; controls the screen does not show are left out of the tree.
class QWidget;

namespace bw::match {

// Idempotent; called when a match screen is built.
void installScoreboardAccessibility();

// Qt tells screen readers of a screen's controls while the screen is being built, before it
// shows (the match screen waits hidden for the team names), and Orca keeps any control it
// looked at then as never visible: Qt tells it when a control shows, not that it became
// visible, and Orca's flat review skips it. Made anew as the screen first shows, the controls
// are met as they are.
void renewControlAccessibles(QWidget& screen);

}  // namespace bw::match
