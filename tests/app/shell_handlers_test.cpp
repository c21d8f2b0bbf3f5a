// The window handlers of the start screen, the play-again dialog and the match screen: which
// windows they load, show, hide and unload, and in what order.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/play_again.h"
#include "app/start_screen.h"
#include "match/match_screen.h"
#include "tests/support/scripted_runtime.h"

namespace bw::app {
namespace {

using Calls = std::vector<std::string>;

Calls callsOf(const std::function<void(rt::Windows&)>& handler) {
    testing::RecordingWindows windows;
    handler(windows);
    return windows.calls;
}

TEST(StartScreen, PlayOpensTheMatchBeforeHidingTheStartScreen) {
    const Calls opens{"Show frmBailwood2", "Hide frmMain"};
    EXPECT_EQ(callsOf(cmdBailwood2_Click), opens);
    EXPECT_EQ(callsOf(mnuPBailwood2_Click), opens);
}

TEST(StartScreen, EveryWayOutEndsTheProgram) {
    const Calls ends{"vbaEnd"};
    EXPECT_EQ(callsOf(mnuPExit_Click), ends);
    EXPECT_EQ(callsOf(mnuExit_Click), ends);
    EXPECT_EQ(callsOf(frmMain_Closed), ends);
}

TEST(PlayAgain, YesStartsAFreshMatchAndNoReturnsToTheStartScreen) {
    // The old match is unloaded before the new one loads, so nothing of it carries over.
    EXPECT_EQ(callsOf(cmdYes_Click), (Calls{"Unload frmBailwood2", "Unload frmPlayAgain",
                                            "Load frmBailwood2", "Show frmBailwood2"}));
    EXPECT_EQ(callsOf(cmdNo_Click),
              (Calls{"Unload frmBailwood2", "Unload frmPlayAgain", "Show frmMain"}));
    // Closing the dialog leaves the finished match on screen.
    EXPECT_EQ(callsOf(frmPlayAgain_Closed), Calls{"Unload frmPlayAgain"});
}

TEST(MatchScreen, ClosingItDiscardsTheMatchAndReturnsToTheStartScreen) {
    EXPECT_EQ(callsOf(match::Form_Closed),
              (Calls{"Unload frmPlayAgain", "Unload frmBailwood2", "Show frmMain"}));
}

}  // namespace
}  // namespace bw::app
