// Whole-match behaviour on the scoreboard model: setup, deliveries, both innings, results.
#include <gtest/gtest.h>

#include <cmath>

#include "match/forms.h"
#include "match/match_screen.h"
#include "match/match_setup.h"
#include "tests/support/scripted_runtime.h"

namespace bw::match {
namespace {

using testing::ScriptedRuntime;

class MatchTest : public ::testing::Test {
  protected:
    void setUp(const std::string& team1 = "Lions", const std::string& team2 = "Tigers") {
        rt.boxes.answers = {team1, team2};
        Form_Load(sb, rt.boxes);
    }
    void bowl1(std::initializer_list<int> rolls) {
        for (int r : rolls) {
            rt.random.pushRoll(r);
            cmdInn1_Click(sb, rt.runtime);
        }
    }
    void bowl2(std::initializer_list<int> rolls) {
        for (int r : rolls) {
            rt.random.pushRoll(r);
            cmdInn2_Click(sb, rt.runtime);
        }
    }
    void allOut1() {
        while (sb.cmdInn(1).visible()) bowl1({95});
    }
    int boldRunsLabels(int t) {
        int bold = 0;
        for (int n = 1; n <= 11; ++n) bold += sb.lblPR(n, t).fontBold() ? 1 : 0;
        return bold;
    }

    Scoreboard sb;
    ScriptedRuntime rt;
};

TEST_F(MatchTest, SetupHidesNamesAsksForBothTeamsAndCaptionsTheFirstButton) {
    setUp();
    ASSERT_EQ(rt.boxes.inputs.size(), 2u);
    EXPECT_EQ(rt.boxes.inputs[0].prompt, "Please Enter the Name of the first team competing?");
    EXPECT_EQ(rt.boxes.inputs[1].prompt, "Please Enter the Name of the second team competing?");
    EXPECT_EQ(rt.boxes.inputs[0].title, "Enter Team Name");
    EXPECT_EQ(rt.boxes.inputs[1].title, "Enter Team Name");
    EXPECT_EQ(sb.lblTeam(1).caption(), "Lions");
    EXPECT_EQ(sb.lblTeam(2).caption(), "Tigers");
    EXPECT_EQ(sb.cmdInn(1).caption(), "Play Lions's innings.");
    EXPECT_TRUE(sb.cmdInn(1).visible());
    EXPECT_FALSE(sb.cmdInn(2).visible());
    EXPECT_EQ(sb.windowCaption(), "Bailwood 2");
    for (int t = 1; t <= 2; ++t) {
        for (int n = 1; n <= 11; ++n) {
            EXPECT_FALSE(sb.lblPT(n, t).visible());
            EXPECT_EQ(sb.lblPT(n, t).caption(), "Player " + std::to_string(n));
            EXPECT_TRUE(sb.lblPR(n, t).visible());
            EXPECT_EQ(sb.lblPR(n, t).caption(), "");
        }
        EXPECT_EQ(sb.lblTR(t).caption(), "");
        EXPECT_EQ(sb.lblWT(t).caption(), "");
    }
    EXPECT_FALSE(sb.lblCounter().visible());
    EXPECT_FALSE(sb.lblResult().visible());
    EXPECT_FALSE(sb.lblWkts().visible());
}

TEST_F(MatchTest, SetupTakesNamesExactlyAsTyped) {
    rt.boxes.answers = {};  // both boxes cancelled
    Form_Load(sb, rt.boxes);
    EXPECT_EQ(sb.lblTeam(1).caption(), "");
    EXPECT_EQ(sb.cmdInn(1).caption(), "Play 's innings.");

    Scoreboard second;
    rt.boxes.answers = {" Same ", " Same "};
    Form_Load(second, rt.boxes);
    EXPECT_EQ(second.lblTeam(1).caption(), " Same ");
    EXPECT_EQ(second.lblTeam(2).caption(), " Same ");
}

TEST_F(MatchTest, RollsFallIntoTheirBands) {
    const std::pair<int, const char*> cases[] = {{1, "1"},  {35, "1"}, {36, "2"}, {60, "2"},
                                                 {61, "3"}, {69, "3"}, {70, "4"}, {75, "4"},
                                                 {76, "5"}, {81, "5"}, {82, "6"}, {89, "6"}};
    for (auto [roll, code] : cases) {
        Scoreboard board;
        ScriptedRuntime run;
        run.boxes.answers = {"A", "B"};
        Form_Load(board, run.boxes);
        run.random.pushRoll(roll);
        cmdInn1_Click(board, run.runtime);
        EXPECT_EQ(board.lblCounter().caption(), std::to_string(roll));
        EXPECT_EQ(board.lblResult().caption(), code) << roll;
        EXPECT_EQ(board.lblPR(1, 1).caption(), code) << roll;
        EXPECT_EQ(board.lblWT(1).caption(), "") << roll;
    }
    for (int roll : {90, 100}) {
        Scoreboard board;
        ScriptedRuntime run;
        Form_Load(board, run.boxes);
        run.random.pushRoll(roll);
        cmdInn1_Click(board, run.runtime);
        EXPECT_EQ(board.lblWT(1).caption(), "1") << roll;
        EXPECT_EQ(board.lblWkts().caption(), "1");
        EXPECT_EQ(board.lblPR(1, 1).caption(), "0");
    }
}

TEST_F(MatchTest, TheRollCoversOneToOneHundredInSinglePrecision) {
    setUp();
    const std::pair<float, const char*> cases[] = {{0.0f, "1"},
                                                   {0.0099999f, "1"},
                                                   {0.01f, "2"},
                                                   {0.5f, "51"},
                                                   {std::nextafter(1.0f, 0.0f), "100"}};
    for (auto [x, roll] : cases) {
        rt.random.push(x);
        cmdInn1_Click(sb, rt.runtime);
        EXPECT_EQ(sb.lblCounter().caption(), roll) << x;
    }
    EXPECT_EQ(rt.random.randomizeCalls, 5);
    EXPECT_EQ(rt.random.nextCalls, 5);
}

TEST_F(MatchTest, FirstDeliveriesOpenTheInningsAndCreditTheBatsman) {
    setUp();
    bowl1({70});  // 4
    EXPECT_EQ(sb.windowCaption(), "Bailwood - Now playing Lions's innings.");
    EXPECT_TRUE(sb.lblPT(1, 1).visible());
    EXPECT_TRUE(sb.lblPT(1, 1).fontBold());
    EXPECT_TRUE(sb.lblPR(1, 1).fontBold());
    EXPECT_EQ(sb.lblPR(1, 1).caption(), "4");
    EXPECT_EQ(sb.lblTR(1).caption(), "4");
    bowl1({82, 1});  // 6 then 1
    EXPECT_EQ(sb.lblPR(1, 1).caption(), "11");
    EXPECT_EQ(sb.lblTR(1).caption(), "11");
    EXPECT_EQ(sb.lblPR(2, 1).caption(), "");
    EXPECT_FALSE(sb.lblPT(2, 1).visible());
    // Team 2's side is untouched by team 1's deliveries.
    for (int n = 1; n <= 11; ++n) EXPECT_FALSE(sb.lblPT(n, 2).visible());
}

TEST_F(MatchTest, AWicketMovesTheBoldToTheNextBatsmanAndCreditsNothing) {
    setUp();
    bowl1({70, 95});  // 4, then out
    EXPECT_EQ(sb.lblWT(1).caption(), "1");
    EXPECT_FALSE(sb.lblPT(1, 1).fontBold());
    EXPECT_FALSE(sb.lblPR(1, 1).fontBold());
    EXPECT_TRUE(sb.lblPT(1, 1).visible());
    EXPECT_EQ(sb.lblPR(1, 1).caption(), "4");
    EXPECT_TRUE(sb.lblPT(2, 1).visible());
    EXPECT_TRUE(sb.lblPT(2, 1).fontBold());
    EXPECT_TRUE(sb.lblPR(2, 1).fontBold());
    // The incoming batsman never receives the previous delivery's code.
    EXPECT_EQ(sb.lblPR(2, 1).caption(), "");
    EXPECT_EQ(sb.lblTR(1).caption(), "4");
    bowl1({36});
    EXPECT_EQ(sb.lblPR(2, 1).caption(), "2");
    EXPECT_EQ(sb.lblTR(1).caption(), "6");
}

TEST_F(MatchTest, OpenerOutFirstBallShowsZero) {
    setUp();
    bowl1({90});
    EXPECT_EQ(sb.lblPR(1, 1).caption(), "0");
    EXPECT_EQ(sb.lblTR(1).caption(), "0");
}

TEST_F(MatchTest, TenthWicketBringsInPlayerElevenAndTheEleventhEndsTheInnings) {
    setUp();
    for (int w = 1; w <= 10; ++w) bowl1({1, 95});
    EXPECT_EQ(sb.lblWT(1).caption(), "10");
    EXPECT_TRUE(sb.cmdInn(1).visible());
    EXPECT_TRUE(sb.lblPT(11, 1).visible());
    EXPECT_TRUE(sb.lblPR(11, 1).fontBold());
    EXPECT_EQ(boldRunsLabels(1), 1);
    EXPECT_TRUE(rt.boxes.messages.empty());

    bowl1({95});
    EXPECT_EQ(sb.lblWT(1).caption(), "11");
    for (int n = 1; n <= 11; ++n) {
        EXPECT_FALSE(sb.lblPT(n, 1).fontBold());
        EXPECT_FALSE(sb.lblPR(n, 1).fontBold());
    }
    EXPECT_EQ(sb.lblPR(11, 1).caption(), "");
    EXPECT_EQ(sb.lblTR(1).caption(), "10");
    EXPECT_FALSE(sb.cmdInn(1).visible());
    EXPECT_TRUE(sb.cmdInn(2).visible());
}

TEST_F(MatchTest, EndOfFirstInningsAnnouncesTheTargetWithTheButtonsSwapped) {
    setUp();
    rt.boxes.whileOpen = [&](const testing::MessageBoxShown&) {
        EXPECT_FALSE(sb.cmdInn(1).visible());
        EXPECT_TRUE(sb.cmdInn(2).visible());
        EXPECT_EQ(sb.cmdInn(2).caption(), "Play Tigers's innings.");
    };
    for (int click = 1; click <= 10; ++click) bowl1({95});
    EXPECT_TRUE(rt.boxes.messages.empty());
    bowl1({95});  // eleven wickets in a row: ends on the eleventh click
    ASSERT_EQ(rt.boxes.messages.size(), 1u);
    EXPECT_EQ(rt.boxes.messages[0].buttons, 0);
    EXPECT_EQ(rt.boxes.messages[0].title, "End of Lions's Innings");
    EXPECT_EQ(
        rt.boxes.messages[0].prompt,
        "That's the end of Lions's innings. Tigers needs 1 runs to win. Can Tigers beat them?");
    EXPECT_EQ(sb.lblTR(1).caption(), "0");
}

TEST_F(MatchTest, TargetIsTheFinalTotalPlusOne) {
    setUp();
    for (int i = 0; i < 20; ++i) bowl1({82});  // 120
    bowl1({61});                               // 123
    allOut1();
    EXPECT_EQ(sb.lblTR(1).caption(), "123");
    ASSERT_EQ(rt.boxes.messages.size(), 1u);
    EXPECT_NE(rt.boxes.messages[0].prompt.find(" needs 124 runs to win. "), std::string::npos);
}

class SecondInningsTest : public MatchTest {
  protected:
    void team1Makes(int sixes, int ones) {
        for (int i = 0; i < sixes; ++i) bowl1({82});
        for (int i = 0; i < ones; ++i) bowl1({1});
        allOut1();
        rt.boxes.messages.clear();
    }
    const testing::MessageBoxShown& onlyResult() {
        EXPECT_EQ(rt.boxes.messages.size(), 1u);
        EXPECT_EQ(rt.windows.count("Show frmPlayAgain"), 1);
        return rt.boxes.messages.front();
    }
};

TEST_F(SecondInningsTest, AllOutBehindLosesByRunsOnTheClosingDelivery) {
    setUp();
    team1Makes(20, 0);  // 120
    rt.boxes.whileOpen = [&](const testing::MessageBoxShown&) {
        EXPECT_FALSE(sb.cmdInn(1).visible());
        EXPECT_FALSE(sb.cmdInn(2).visible());
        EXPECT_EQ(rt.windows.count("Show frmPlayAgain"), 0);
    };
    for (int i = 0; i < 15; ++i) bowl2({82});  // 90
    bowl2({70, 1});                            // 95
    while (sb.cmdInn(2).visible()) bowl2({95});
    EXPECT_EQ(sb.windowCaption(), "Bailwood - Now playing Tigers's innings.");
    const auto& result = onlyResult();
    EXPECT_EQ(result.buttons, 64);
    EXPECT_EQ(result.title, "End of Match!");
    EXPECT_EQ(result.prompt, "The match is over!\nLions has beaten Tigers by 25 runs.\n");
    EXPECT_EQ(sb.lblTR(2).caption(), "95");
    EXPECT_EQ(sb.lblWT(2).caption(), "11");
}

TEST_F(SecondInningsTest, PassingTheTotalEndsTheMatchOnThatDelivery) {
    setUp();
    team1Makes(1, 0);  // 6
    bowl2({82});       // level at 6: wickets in hand, play goes on
    EXPECT_TRUE(sb.cmdInn(2).visible());
    EXPECT_TRUE(rt.boxes.messages.empty());
    const int drawsBefore = rt.random.nextCalls;
    bowl2({1});  // 7 passes 6
    EXPECT_EQ(rt.random.nextCalls, drawsBefore + 1);
    EXPECT_FALSE(sb.cmdInn(1).visible());
    EXPECT_FALSE(sb.cmdInn(2).visible());
    EXPECT_EQ(onlyResult().prompt, "The match is over!\nTigers has beaten Lions by 11 wickets.\n");
    EXPECT_EQ(sb.lblTR(2).caption(), "7");
}

TEST_F(SecondInningsTest, WinningWithTenDownIsByOneWicket) {
    setUp();
    team1Makes(0, 3);  // 3
    for (int w = 0; w < 10; ++w) bowl2({95});
    bowl2({70});
    EXPECT_EQ(onlyResult().prompt, "The match is over!\nTigers has beaten Lions by 1 wickets.\n");
}

TEST_F(SecondInningsTest, AllOutLevelIsADraw) {
    setUp();
    team1Makes(0, 2);  // 2
    bowl2({36});       // level at 2
    EXPECT_TRUE(rt.boxes.messages.empty());
    while (sb.cmdInn(2).visible()) bowl2({95});
    const auto& result = onlyResult();
    EXPECT_EQ(result.prompt, "The match is over!\nThe Match is a Draw!\n");
    EXPECT_EQ(result.buttons, 64);
    EXPECT_EQ(result.title, "End of Match!");
}

TEST_F(SecondInningsTest, ManySeededMatchesEachEndWithOneSoundResult) {
    rt::ClockSeededRandom random([] { return std::uint64_t{42}; });
    for (int match = 0; match < 300; ++match) {
        Scoreboard board;
        ScriptedRuntime run;
        rt::Runtime runtime{random, run.boxes, run.windows};
        run.boxes.answers = {"A", "B"};
        Form_Load(board, run.boxes);
        while (board.cmdInn(1).visible()) cmdInn1_Click(board, runtime);
        while (board.cmdInn(2).visible()) cmdInn2_Click(board, runtime);
        ASSERT_EQ(run.boxes.messages.size(), 2u);
        ASSERT_EQ(run.windows.count("Show frmPlayAgain"), 1);
        const std::string& prompt = run.boxes.messages[1].prompt;
        const double total1 = std::stod(board.lblTR(1).caption());
        const double total2 = std::stod(board.lblTR(2).caption());
        if (total2 > total1) {
            EXPECT_EQ(prompt, "The match is over!\nB has beaten A by " +
                                  std::to_string(11 - std::stoi("0" + board.lblWT(2).caption())) +
                                  " wickets.\n");
        } else if (total2 < total1) {
            EXPECT_EQ(board.lblWT(2).caption(), "11");
            EXPECT_EQ(prompt, "The match is over!\nA has beaten B by " +
                                  std::to_string(static_cast<int>(total1 - total2)) + " runs.\n");
        } else {
            EXPECT_EQ(prompt, "The match is over!\nThe Match is a Draw!\n");
        }
    }
}

}  // namespace
}  // namespace bw::match
