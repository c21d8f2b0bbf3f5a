#pragma once

#include <QString>
#include <string_view>

#include "tests/support/box_answerer.h"
#include "tests/support/scripted_runtime.h"

class QWidget;

namespace bw::testing {

// One run of Bailwood 2 for a window test: scripted rolls, the real boxes answered by script,
// and the program's windows from its start screen on. Make a fresh one for each test.
struct ProgramRun {
    ProgramRun();

    // Clicks the start screen's button and types the two names; the match screen if shown.
    QWidget* openMatch(const QString& team1 = "Lions", const QString& team2 = "Tigers");
    QWidget* window(std::string_view name) { return session.window(name); }

    ScriptedRandom random;
    BoxAnswerer answerer;
    WindowSession session;
};

}  // namespace bw::testing
