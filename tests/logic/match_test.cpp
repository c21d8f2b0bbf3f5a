// A match on the scoreboard model, driven through the real handlers with scripted rolls and
// boxes: setup, the delivery, whole matches, what a screen reader hears, and the window calls
// of the shell's handlers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "app/play_again.h"
#include "app/start_screen.h"
#include "match/accessible_text.h"
#include "match/match_screen.h"
#include "match/match_setup.h"
#include "runtime/errors.h"
#include "tests/support/scoreboard_invariants.h"
#include "tests/support/scripted_runtime.h"

namespace bw::match {
namespace {

using testing::ScriptedRandom;

// "82*20 95*11": roll 82 twenty times, then 95 eleven times.
std::vector<int> rollsOf(const std::string& script) {
    std::vector<int> rolls;
    std::istringstream in(script);
    std::string token;
    while (in >> token) {
        const auto star = token.find('*');
        const int times = star == std::string::npos ? 1 : std::stoi(token.substr(star + 1));
        rolls.insert(rolls.end(), times, std::stoi(token));
    }
    return rolls;
}

struct Match {
    explicit Match(std::string team1 = "Lions", std::string team2 = "Tigers") {
        rt.boxes.answers = {std::move(team1), std::move(team2)};
        Form_Load(sb, rt.boxes);
    }
    void click(int t, float x) {
        rt.random.push(x);
        t == 1 ? cmdInn1_Click(sb, rt.runtime) : cmdInn2_Click(sb, rt.runtime);
    }
    Scoreboard sb;
    testing::ScriptedRuntime rt;
};

// A cancelled box answers empty text; names are taken exactly as typed.
TEST(Match, SetupAsksForTheNamesAndHidesWhatMustNotShow) {
    const struct {
        const char *team1, *team2, *button;
    } rows[] = {{"Lions", "Tigers", "Play Lions's innings."},
                {"", "", "Play 's innings."},
                {"", "Tigers", "Play 's innings."},
                {" Same ", " Same ", "Play  Same 's innings."}};
    std::string hidden;  // the player names, the working labels and the second button
    for (int t = 1; t <= 2; ++t) {
        for (int n = 1; n <= 11; ++n)
            hidden += "lblP" + std::to_string(n) + "T" + std::to_string(t) + " ";
    }
    hidden += "cmdInn2 lblCounter lblResult lblWkts ";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.button);
        Match m(row.team1, row.team2);
        std::string asked, notShown, figures;  // figures: runs, totals and wickets, all empty
        for (const auto& box : m.rt.boxes.inputs) asked += box.prompt + "|" + box.title + "|";
        EXPECT_EQ(asked,
                  "Please Enter the Name of the first team competing?|Enter Team Name|"
                  "Please Enter the Name of the second team competing?|Enter Team Name|");
        EXPECT_EQ(m.sb.lblTeam(1).caption() + "|" + m.sb.lblTeam(2).caption() + "|" +
                      m.sb.cmdInn(1).caption(),
                  std::string(row.team1) + "|" + row.team2 + "|" + row.button);
        for (const Control& c : m.sb.controls()) notShown += c.visible() ? "" : c.name() + " ";
        for (int t = 1; t <= 2; ++t) {
            figures += m.sb.lblTR(t).caption() + m.sb.lblWT(t).caption();
            for (int n = 1; n <= 11; ++n) figures += m.sb.lblPR(n, t).caption();
        }
        EXPECT_EQ(notShown, hidden);
        EXPECT_EQ(figures + m.sb.windowCaption(), "Bailwood 2");
    }
}

// The roll and its outcome, read back from the hidden labels after the first ball of a match
// drawn at x: roll | player 1's runs | total | wickets | lblWkts | lblResult | reseeds, draws.
std::string firstBall(float x) {
    Match m;
    m.click(1, x);
    std::string seen;
    for (const Control* c : {&m.sb.lblCounter(), &m.sb.lblPR(1, 1), &m.sb.lblTR(1), &m.sb.lblWT(1),
                             &m.sb.lblWkts(), &m.sb.lblResult()})
        seen += c->caption() + "|";
    return seen + std::to_string(m.rt.random.randomizeCalls) + "," +
           std::to_string(m.rt.random.nextCalls);
}

TEST(Match, EachRollScoresItsBand) {
    for (const std::string row : {"1:1", "35:1", "36:2", "60:2", "61:3", "69:3", "70:4", "75:4",
                                  "76:5", "81:5", "82:6", "89:6", "90:out", "100:out"}) {
        const std::string roll = row.substr(0, row.find(':')), code = row.substr(row.find(':') + 1);
        // The opener's runs start at "0"; a wicket credits nothing.
        EXPECT_EQ(firstBall(ScriptedRandom::forRoll(std::stoi(roll))),
                  roll + (code == "out" ? "|0|0|1|1||1,1"
                                        : "|" + code + "|" + code + "|||" + code + "|1,1"));
    }
    // The ends of the single-precision draw.
    EXPECT_EQ(firstBall(0.0F).substr(0, 2), "1|");
    EXPECT_EQ(firstBall(0.0099999F).substr(0, 2), "1|");
    EXPECT_EQ(firstBall(0.01F).substr(0, 2), "2|");
    EXPECT_EQ(firstBall(std::nextafter(1.0F, 0.0F)).substr(0, 4), "100|");
}

TEST(Match, TheRollIsReadStrictlyEveryOtherNumberLeniently) {
    Match m;
    m.sb.lblPR(1, 1).setCaption("x");
    m.sb.lblWT(1).setCaption("w");
    m.click(1, ScriptedRandom::forRoll(70));
    EXPECT_EQ(m.sb.lblPR(1, 1).caption(), "4");
    m.click(1, ScriptedRandom::forRoll(95));
    EXPECT_EQ(m.sb.lblWT(1).caption(), "1");
    // A draw that is not a number writes the roll "NaN", which only the strict reading rejects.
    try {
        m.click(1, std::numeric_limits<float>::quiet_NaN());
        ADD_FAILURE() << "no error for the roll " << m.sb.lblCounter().caption();
    } catch (const rt::RuntimeError& error) {
        EXPECT_EQ(error.number(), rt::kTypeMismatch);
    }
    // No player 12, no team 3: an error, never a control out of bounds.
    EXPECT_THROW(m.sb.lblPR(12, 1), rt::RuntimeError);
    EXPECT_THROW(m.sb.lblTR(3), rt::RuntimeError);
}

TEST(Match, WholeMatchesEndWhereTheyMust) {
    // Both innings end on their last roll, not before; the totals are the final ones.
    const struct {
        const char *team1, *team2, *rolls1, *rolls2, *target, *result, *totals;
    } rows[] = {
        // The fastest innings; 0 makes a target of 1, passed on the first ball of the chase.
        {"Lions", "Tigers", "95*11", "1", "1", "Tigers has beaten Lions by 11 wickets.", "0 1"},
        {"", "", "95*11", "1", "1", " has beaten  by 11 wickets.", "0 1"},
        // All out behind: 120 against 95.
        {"Lions", "Tigers", "82*20 95*11", "82*15 70 1 95*11", "121",
         "Lions has beaten Tigers by 25 runs.", "120 95"},
        {"Lions", "Tigers", "1 95*11", "95*11", "2", "Lions has beaten Tigers by 1 runs.", "1 0"},
        // The chase won with ten down, player 11 batting.
        {"Lions", "Tigers", "82*20 61 95*11", "95*10 82*20 70", "124",
         "Tigers has beaten Lions by 1 wickets.", "123 124"},
        // Level is no win while wickets are in hand; a wicket credits nothing.
        {"Lions", "Tigers", "82 95*11", "82 95 95 1", "7", "Tigers has beaten Lions by 9 wickets.",
         "6 7"},
        {"Lions", "Tigers", "36 95*11", "36 95*11", "3", "The Match is a Draw!", "2 2"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.rolls1) + " / " + row.rolls2);
        const std::string team1 = row.team1, team2 = row.team2;
        Match m(team1, team2);
        std::vector<std::string> whileOpen;  // the buttons and the window calls at each box
        m.rt.boxes.whileOpen = [&](const testing::MessageBoxShown&) {
            whileOpen.push_back((m.sb.cmdInn(1).visible() ? "cmdInn1 " : "") +
                                (m.sb.cmdInn(2).visible() ? m.sb.cmdInn(2).caption() : "") + "|" +
                                std::to_string(m.rt.windows.calls.size()) + "|" +
                                m.sb.windowCaption() + "|" + m.sb.lblTR(2).caption());
        };
        testing::ScoreboardInvariants invariants(m.sb);
        for (int t = 1; t <= 2; ++t) {
            const std::vector<int> rolls = rollsOf(t == 1 ? row.rolls1 : row.rolls2);
            for (std::size_t ball = 0; ball < rolls.size(); ++ball) {
                ASSERT_TRUE(m.sb.cmdInn(t).visible()) << "innings " << t << " ball " << ball + 1;
                ASSERT_EQ(m.rt.boxes.messages.size(), t - 1u)
                    << "innings " << t << " ball " << ball + 1;
                m.click(t, ScriptedRandom::forRoll(rolls[ball]));
                ASSERT_EQ(invariants.afterClick(), "");
            }
        }
        ASSERT_EQ(m.rt.boxes.messages.size(), 2u) << "the match goes on";
        const auto& target = m.rt.boxes.messages[0];
        EXPECT_EQ(target.title, "End of " + team1 + "'s Innings");
        EXPECT_EQ(target.prompt, "That's the end of " + team1 + "'s innings. " + team2 + " needs " +
                                     row.target + " runs to win. Can " + team2 + " beat them?");
        const auto& result = m.rt.boxes.messages[1];
        EXPECT_EQ(result.prompt, "The match is over!\n" + std::string(row.result) + "\n");
        EXPECT_EQ(result.title, "End of Match!");
        EXPECT_EQ(target.buttons * 100 + result.buttons, 64);
        const std::string playing = "Bailwood - Now playing ";
        // The scoreboard behind the result already counts the ball that decided the match.
        const std::string total2 =
            std::string(row.totals).substr(std::string(row.totals).find(' ') + 1);
        EXPECT_EQ(whileOpen,
                  (std::vector<std::string>{
                      "Play " + team2 + "'s innings.|0|" + playing + team1 + "'s innings.|",
                      "|0|" + playing + team2 + "'s innings.|" + total2}));
        EXPECT_EQ(m.rt.windows.calls, std::vector<std::string>{"Show frmPlayAgain"});
        EXPECT_EQ(m.sb.lblTR(1).caption() + " " + m.sb.lblTR(2).caption(), row.totals);
        EXPECT_EQ(m.sb.lblWT(1).caption(), "11");
    }
}

TEST(Match, EveryShownControlHasANameThatStandsAlone) {
    Match m("", "Tigers");
    m.click(1, ScriptedRandom::forRoll(70));
    m.click(1, ScriptedRandom::forRoll(95));
    // Rows "control: name"; each name holds the figure, since a label's value is not heard.
    for (const std::string row :
         {"lblTeam1: Team 1", "lblTeam2: Tigers", "lblP1T1: Player 1 of Team 1, out",
          "lblP1R1: Player 1 of Team 1, 4 runs", "lblP2T1: Player 2 of Team 1, batting",
          "lblP2R1: Player 2 of Team 1, no runs yet, batting",
          "lblP3R1: Player 3 of Team 1, yet to bat", "lblTR1: Team 1, 4 runs",
          "lblTotal1: Team 1, Total Runs:", "lblTR2: Tigers, no runs yet",
          "lblWT1: Team 1, 1 wicket", "lblWickets2: Tigers, Wickets:",
          "lblWT2: Tigers, no wickets yet", "cmdInn1: Play 's innings.", "lblTitle: Bailwood 2",
          "lblCounter: ", "lblResult: ", "lblWkts: "}) {
        const std::string control = row.substr(0, row.find(':'));
        ASSERT_NE(m.sb.find(control), nullptr) << control;
        EXPECT_EQ(control + ": " + accessibleName(m.sb, *m.sb.find(control)), row);
    }
}

TEST(Shell, EachHandlerCallsTheWindowsInItsOrder) {
    // Yes unloads before it loads, so the new match starts from the designed scoreboard.
    const struct {
        const char* handler;
        void (*call)(rt::Windows&);
        const char* calls;
    } rows[] = {
        {"cmdBailwood2_Click", app::cmdBailwood2_Click, "Show frmBailwood2, Hide frmMain, "},
        {"mnuPBailwood2_Click", app::mnuPBailwood2_Click, "Show frmBailwood2, Hide frmMain, "},
        {"mnuPExit_Click", app::mnuPExit_Click, "vbaEnd, "},
        {"mnuExit_Click", app::mnuExit_Click, "vbaEnd, "},
        {"frmMain_Closed", app::frmMain_Closed, "vbaEnd, "},
        {"cmdYes_Click", app::cmdYes_Click,
         "Unload frmBailwood2, Unload frmPlayAgain, Load frmBailwood2, Show frmBailwood2, "},
        {"cmdNo_Click", app::cmdNo_Click,
         "Unload frmBailwood2, Unload frmPlayAgain, Show frmMain, "},
        {"frmPlayAgain_Closed", app::frmPlayAgain_Closed, "Unload frmPlayAgain, "},
        {"Form_Closed", Form_Closed, "Unload frmPlayAgain, Unload frmBailwood2, Show frmMain, "}};
    for (const auto& row : rows) {
        testing::RecordingWindows windows;
        row.call(windows);
        std::string calls;
        for (const std::string& call : windows.calls) calls += call + ", ";
        EXPECT_EQ(calls, row.calls) << row.handler;
    }
}

}  // namespace
}  // namespace bw::match
