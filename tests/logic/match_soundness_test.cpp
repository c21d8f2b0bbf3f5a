// Many seeded whole matches on the scoreboard model, checked after every click: the
// scoreboard stays sound and nothing in play raises a run-time error.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "match/match_screen.h"
#include "match/match_setup.h"
#include "runtime/errors.h"
#include "tests/support/scoreboard_invariants.h"
#include "tests/support/scripted_runtime.h"

namespace bw::match {
namespace {

// BAILWOOD_MODEL_MATCHES=10000 makes this the long session; the default keeps CTest quick.
int matchesToPlay() {
    const char* count = std::getenv("BAILWOOD_MODEL_MATCHES");
    return count ? std::atoi(count) : 1000;
}

// Names are never read as numbers, so even numbers and junk leave the arithmetic alone.
const std::string kNames[] = {"Lions", "", "   ", "12", "1e400", "-0", "&H10", "abc", "\t\n"};

// A strict read of a caption that is not a number would end the program; every roll the
// ladder reads is a whole number of 1 to 100.
bool isRoll(const std::string& caption) {
    char* end = nullptr;
    const long roll = std::strtol(caption.c_str(), &end, 10);
    return !caption.empty() && *end == '\0' && roll >= 1 && roll <= 100;
}

TEST(MatchSoundness, EverySeededMatchStaysSoundClickByClick) {
    const int matches = matchesToPlay();
    rt::ClockSeededRandom random([] { return std::uint64_t{20261207}; }, rt::Pcg32{7});
    const auto start = std::chrono::steady_clock::now();
    long clicks = 0;
    for (int match = 0; match < matches; ++match) {
        SCOPED_TRACE("match " + std::to_string(match));
        Scoreboard board;
        testing::ScriptedRuntime run;
        rt::Runtime runtime{random, run.boxes, run.windows};
        const std::string& name = kNames[match % std::size(kNames)];
        run.boxes.answers = {name, name + "2"};
        Form_Load(board, run.boxes);

        testing::ScoreboardInvariants invariants(board);
        for (int guard = 0; guard < 1000; ++guard) {
            const bool first = board.cmdInn(1).visible();
            if (!first && !board.cmdInn(2).visible()) break;
            try {
                first ? cmdInn1_Click(board, runtime) : cmdInn2_Click(board, runtime);
            } catch (const rt::RuntimeError& error) {
                FAIL() << "run-time error " << error.number() << ": " << error.what();
            }
            ++clicks;
            ASSERT_TRUE(isRoll(board.lblCounter().caption())) << board.lblCounter().caption();
            ASSERT_EQ(invariants.afterClick(), "");
        }
        ASSERT_EQ(run.boxes.messages.size(), 2u);
        ASSERT_EQ(run.boxes.messages[1].title, "End of Match!");
        ASSERT_EQ(run.windows.calls, std::vector<std::string>{"Show frmPlayAgain"});
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%d matches, %ld clicks in %.2f s\n", matches, clicks, took.count());
}

// The checker itself must catch what it claims to: a wrong total, a second batsman in, a
// wicket taken back.
TEST(MatchSoundness, TheCheckerCatchesABrokenScoreboard) {
    Scoreboard board;
    testing::ScriptedRuntime run;
    run.boxes.answers = {"A", "B"};
    Form_Load(board, run.boxes);
    testing::ScoreboardInvariants invariants(board);
    run.random.pushRoll(82);
    cmdInn1_Click(board, run.runtime);
    ASSERT_EQ(invariants.afterClick(), "");

    board.lblTR(1).setCaption("7");
    EXPECT_NE(invariants.afterClick().find("total is not the sum"), std::string::npos);
    board.lblTR(1).setCaption("6");
    board.lblPT(2, 1).setFontBold(true);
    board.lblPR(2, 1).setFontBold(true);
    EXPECT_NE(invariants.afterClick().find("2 batsmen in"), std::string::npos);
    board.lblPT(2, 1).setFontBold(false);
    board.lblPR(2, 1).setFontBold(false);
    board.cmdInn(2).setVisible(true);
    EXPECT_NE(invariants.afterClick().find("wrong innings button"), std::string::npos);
    board.cmdInn(2).setVisible(false);
    board.lblWT(1).setCaption("2");
    EXPECT_NE(invariants.afterClick().find("wickets went from 0"), std::string::npos);
}

}  // namespace
}  // namespace bw::match
