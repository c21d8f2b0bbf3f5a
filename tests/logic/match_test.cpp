// A match on the scoreboard model, driven through the real handlers with scripted rolls and
// boxes: setup, the delivery, whole matches scripted and seeded, checked click by click, and
// what a screen reader hears.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "innings/delivery.h"
#include "match/accessible_text.h"
#include "match/ball_announcement.h"
#include "match/match_screen.h"
#include "match/match_setup.h"
#include "tests/support/scripted_runtime.h"

namespace bw::match {
namespace {

using testing::ScriptedRandom;

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

// Watches one match's scoreboard from click to click and says what a click broke ("" when
// sound): the batsman in, the name labels shown, wickets and runs that only grow, totals that
// add up and the one innings button of the moment.
struct ScoreboardInvariants {
    // The wickets, then the runs of players 1 to 11, as the captions show them.
    using TeamState = std::array<double, Scoreboard::kPlayers + 1>;
    // The number a caption shows; an empty caption reads as 0, nothing yet.
    static double number(const Control& c) { return std::strtod(c.caption().c_str(), nullptr); }
    TeamState stateOf(int t) {
        TeamState state{number(sb.lblWT(t))};
        for (int n = 1; n <= Scoreboard::kPlayers; ++n) state[n] = number(sb.lblPR(n, t));
        return state;
    }
    explicit ScoreboardInvariants(const Scoreboard& s) : sb(s), was{stateOf(1), stateOf(2)} {}

    std::string afterClick() {
        std::string broken;
        for (int t = 1; t <= 2; ++t) {
            const TeamState now = stateOf(t), before = std::exchange(was[t - 1], now);
            // Only a broken rule builds its text: this runs after every click of many matches.
            const auto fail = [&](int n, const char* rule) {
                broken += "team " + std::to_string(t) + " player " + std::to_string(n) + ": ";
                broken += rule + std::string("\n");
            };
            const int wickets = static_cast<int>(now[0]);
            if (now[0] < before[0] || now[0] > before[0] + 1) fail(0, "wickets went wrong");
            const bool batted = sb.lblPT(1, t).visible();
            double sum = 0, gained = 0;
            int bold = 0;
            for (int n = 1; n <= Scoreboard::kPlayers; ++n) {
                if (now[n] < before[n]) fail(n, "lost runs");
                sum += now[n];
                gained += now[n] - before[n];
                const bool in = sb.lblPR(n, t).fontBold();
                bold += in ? 1 : 0;
                if (!batted) continue;
                if (in != sb.lblPT(n, t).fontBold()) fail(n, "name and runs differ in bold");
                if (in && n != wickets + 1) fail(n, "is bold");
                if (sb.lblPT(n, t).visible() != (n <= wickets + 1))
                    fail(n, "shows its name wrongly");
            }
            if (gained > 6) fail(0, "more than six runs off one ball");
            if (number(sb.lblTR(t)) != sum) fail(0, "total is not the sum of the runs");
            if (!batted && (sum != 0 || wickets != 0)) fail(0, "scored before its innings");
            if (bold != (batted && wickets <= 10 ? 1 : 0)) fail(0, "not one batsman in");
        }
        const bool firstOver = sb.lblWT(1).caption() == "11";
        const bool over = sb.lblPT(1, 2).visible() && (sb.lblWT(2).caption() == "11" ||
                                                       number(sb.lblTR(2)) > number(sb.lblTR(1)));
        const bool first = sb.cmdInn(1).visible(), second = sb.cmdInn(2).visible();
        if (over ? first || second : first == firstOver || second != firstOver)
            broken += "wrong innings button shows\n";
        return broken;
    }

    const Scoreboard& sb;
    std::array<TeamState, 2> was;
};

// A cancelled box answers empty text; names are taken exactly as typed.
TEST(Match, SetupAsksForTheNamesAndHidesWhatMustNotShow) {
    const std::array<std::string, 3> rows[] = {{"Lions", "Tigers", "Play Lions's innings."},
                                               {"", "", "Play 's innings."},
                                               {"", "Tigers", "Play 's innings."},
                                               {" Same ", " Same ", "Play  Same 's innings."}};
    std::string hidden;  // the player names, the working labels and the second button
    for (int t = 1; t <= 2; ++t) {
        for (int n = 1; n <= 11; ++n)
            hidden += "lblP" + std::to_string(n) + "T" + char('0' + t) + " ";
    }
    hidden += "cmdInn2 lblCounter lblResult lblWkts ";
    for (const auto& [team1, team2, button] : rows) {
        Match m(team1, team2);
        std::string shown;  // the hidden controls, then every figure (all empty)
        EXPECT_EQ(m.rt.boxes.inputs,
                  (std::vector<std::string>{
                      "Enter Team Name|Please Enter the Name of the first team competing?",
                      "Enter Team Name|Please Enter the Name of the second team competing?"}));
        for (const Control& c : m.sb.controls()) shown += c.visible() ? "" : c.name() + " ";
        for (int t = 1; t <= 2; ++t) {
            shown += m.sb.lblTR(t).caption() + m.sb.lblWT(t).caption();
            for (int n = 1; n <= 11; ++n) shown += m.sb.lblPR(n, t).caption();
        }
        EXPECT_EQ(shown + m.sb.windowCaption(), hidden + "Bailwood 2") << button;
        EXPECT_EQ(m.sb.lblTeam(1).caption() + "|" + m.sb.lblTeam(2).caption() + "|" +
                      m.sb.cmdInn(1).caption(),
                  team1 + "|" + team2 + "|" + button);
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
    // Rows "roll:code"; the opener's runs start at "0", a wicket credits nothing.
    for (const std::string row : {"1:1", "35:1", "36:2", "60:2", "61:3", "69:3", "70:4", "75:4",
                                  "76:5", "81:5", "82:6", "89:6", "90:out", "100:out"}) {
        const std::string roll = row.substr(0, row.find(':')), code = row.substr(row.find(':') + 1);
        EXPECT_EQ(firstBall(ScriptedRandom::forRoll(std::stoi(roll))),
                  roll + (code == "out" ? "|0|0|1|1||1,1"
                                        : "|" + code + "|" + code + "|||" + code + "|1,1"));
    }
    // The ends of the single-precision draw.
    EXPECT_EQ(firstBall(0.0F).substr(0, 2) + firstBall(0.0099999F).substr(0, 2), "1|1|");
    EXPECT_EQ(firstBall(0.01F).substr(0, 2), "2|");
    EXPECT_EQ(firstBall(std::nextafter(1.0F, 0.0F)).substr(0, 4), "100|");
}

TEST(Match, WholeMatchesEndWhereTheyMust) {
    // Both innings end on their last roll, not before; the totals are the final ones.
    const struct {
        std::string team1, team2, rolls1, rolls2, target, result, totals;
    } rows[] = {
        // The fastest innings; 0 makes a target of 1, passed on the first ball of the chase.
        {"Lions", "Tigers", "95*11", "1", "1", "Tigers has beaten Lions by 11 wickets.", "0 1"},
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
        SCOPED_TRACE(row.rolls1 + " / " + row.rolls2);
        Match m(row.team1, row.team2);
        // Each box records the buttons, the window calls, the caption and the totals behind it.
        m.rt.boxes.whileOpen = [&] {
            m.rt.boxes.messages.back() +=
                (m.sb.cmdInn(1).visible() ? "|cmdInn1 " : "|") +
                (m.sb.cmdInn(2).visible() ? m.sb.cmdInn(2).caption() : "") + "|" +
                std::to_string(m.rt.windows.calls.size()) + "|" + m.sb.windowCaption() + "|" +
                m.sb.lblTR(1).caption() + " " + m.sb.lblTR(2).caption();
        };
        ScoreboardInvariants invariants(m.sb);
        for (int t = 1, ball = 1; t <= 2; ++t) {
            // "82*20 95*11": roll 82 twenty times, then 95 eleven times.
            std::istringstream script(t == 1 ? row.rolls1 : row.rolls2);
            for (int roll, times = 1; script >> roll; times = 1) {
                if (script.peek() == '*') script.ignore() >> times;
                for (; times > 0; --times, ++ball) {
                    ASSERT_TRUE(m.sb.cmdInn(t).visible() && m.rt.boxes.messages.size() == t - 1u)
                        << "innings " << t << " over before ball " << ball << " of the match";
                    m.click(t, ScriptedRandom::forRoll(roll));
                    ASSERT_EQ(invariants.afterClick(), "") << "ball " << ball << " of the match";
                }
            }
        }
        // The scoreboard behind each box already counts the ball that ended the innings.
        const std::string playing = "|0|Bailwood - Now playing ";
        EXPECT_EQ(
            m.rt.boxes.messages,
            (std::vector<std::string>{
                "End of " + row.team1 + "'s Innings|That's the end of " + row.team1 +
                    "'s innings. " + row.team2 + " needs " + row.target + " runs to win. Can " +
                    row.team2 + " beat them?|0|Play " + row.team2 + "'s innings." + playing +
                    row.team1 + "'s innings.|" + row.totals.substr(0, row.totals.find(' ') + 1),
                "End of Match!|The match is over!\n" + row.result + "\n|64|" + playing + row.team2 +
                    "'s innings.|" + row.totals}));
        EXPECT_EQ(m.rt.windows.calls, std::vector<std::string>{"Show frmPlayAgain"});
    }
}

// The program's generator on a frozen clock, so that every run sees the same rolls.
rt::ClockSeededRandom generator(std::uint64_t clock, std::uint64_t seed) {
    return rt::ClockSeededRandom([clock] { return clock; }, rt::Pcg32{seed});
}

// Eight draws after the given number of reseeds.
std::vector<float> draws(rt::ClockSeededRandom random, int reseeds) {
    for (int i = 0; i < reseeds; ++i) random.rtcRandomize();
    std::vector<float> values(8);
    for (float& value : values) value = random.rtcRandomNext();
    return values;
}

TEST(Generator, ReseedsFromTheClockWithoutLosingItsState) {
    const auto plain = draws(generator(77, 9), 0);
    EXPECT_NE(draws(generator(78, 9), 0), plain) << "clock ignored";
    // Clicks within one clock tick must still get new rolls.
    EXPECT_NE(draws(generator(77, 9), 1), plain) << "reseed did nothing";
    EXPECT_NE(draws(generator(77, 9), 2), draws(generator(77, 9), 1)) << "reseeds cancel out";
}

TEST(Generator, EveryRollComesUpEvenlyThroughTheDelivery) {
    auto random = generator(20261207, 12345);
    Scoreboard sb;
    std::map<std::string, int> rolls;
    for (int i = 0; i < 20'000; ++i) {
        innings::BowlDelivery(sb, random, 1);
        ++rolls[sb.lblCounter().caption()];
    }
    // A draw outside [0, 1) would make a roll outside 1 to 100.
    ASSERT_EQ(rolls.size(), 100u) << "a roll outside 1 to 100, or one never made";
    // Chi-square over the 100 rolls: 148.2 is the 0.1 % critical value for 99 degrees.
    double chiSquare = 0;
    for (const auto& [roll, seen] : rolls) chiSquare += std::pow(seen - 200, 2) / 200;
    EXPECT_LT(chiSquare, 148.2);
}

// BAILWOOD_MODEL_MATCHES=10000 makes this a long session; the default keeps the suite quick.
TEST(SeededMatches, StaySoundClickByClick) {
    const char* count = std::getenv("BAILWOOD_MODEL_MATCHES");
    const int matches = count ? std::atoi(count) : 1000;
    // Names are never read as numbers, so numbers and junk leave the arithmetic alone.
    const std::string names[] = {"Lions", "", "   ", "12", "1e400", "-0", "abc", "\t\n"};
    auto random = generator(20261207, 7);
    for (int match = 0; match < matches; ++match) {
        SCOPED_TRACE("match " + std::to_string(match));
        Scoreboard sb;
        testing::ScriptedRuntime run;
        rt::Runtime runtime{random, run.boxes, run.windows};
        run.boxes.answers = {names[match % 8], names[match % 8] + "2"};
        Form_Load(sb, run.boxes);
        ScoreboardInvariants invariants(sb);
        for (int click = 1; click < 2000 && (sb.cmdInn(1).visible() || sb.cmdInn(2).visible());
             ++click) {
            sb.cmdInn(1).visible() ? cmdInn1_Click(sb, runtime) : cmdInn2_Click(sb, runtime);
            ASSERT_EQ(invariants.afterClick(), "") << "click " << click;
        }
        ASSERT_TRUE(run.boxes.messages.size() == 2 &&
                    run.boxes.messages[1].starts_with("End of Match!|"));
        ASSERT_EQ(run.windows.calls, std::vector<std::string>{"Show frmPlayAgain"});
    }
}

TEST(Match, EveryShownControlHasANameThatStandsAlone) {
    Match m("", "Tigers");
    m.click(1, ScriptedRandom::forRoll(70));
    m.click(1, ScriptedRandom::forRoll(95));
    m.click(1, ScriptedRandom::forRoll(95));
    // Rows "control: name"; each name holds the figure, since a label's value is not heard.
    for (const std::string row :
         {"lblTeam1: Team 1", "lblTeam2: Tigers", "lblP1T1: Player 1 of Team 1, out",
          "lblP1R1: Player 1 of Team 1, 4 runs", "lblP2R1: Player 2 of Team 1, no runs",
          "lblP3T1: Player 3 of Team 1, batting",
          "lblP3R1: Player 3 of Team 1, no runs yet, batting",
          "lblP4R1: Player 4 of Team 1, yet to bat", "lblTR1: Team 1, 4 runs",
          "lblTotal1: Team 1, Total Runs:", "lblTR2: Tigers, no runs yet",
          "lblWT1: Team 1, 2 wickets", "lblWickets2: Tigers, Wickets:",
          "lblWT2: Tigers, no wickets yet", "cmdInn1: Play 's innings.", "lblTitle: Bailwood 2",
          "lblCounter: ", "lblResult: ", "lblWkts: "}) {
        const std::string control = row.substr(0, row.find(':'));
        ASSERT_NE(m.sb.find(control), nullptr) << control;
        EXPECT_EQ(control + ": " + accessibleName(m.sb, *m.sb.find(control)), row);
    }
}

// Names that could be mistaken for each other, or for another label, are told apart by the
// team's number. Played until team 1 is all out for 8 and team 2 is 8 for 1, Player 1 out.
TEST(Match, ShownNamesStayUniqueWhateverTheTeamNames) {
    const std::pair<const char*, const char*> teams[] = {
        {"Lions", "Lions"},
        {"", "Team 1"},
        {"Lions", "Lions, 8 runs"},
        {"Bailwood 2", "Tigers"},
        {"Player 1 of Tigers, out", "Tigers"},
        {"Play Tigers's innings.", "Tigers"},
        {"4 runs to Player 2. Tigers 8 for 1", "Tigers"}};
    for (const auto& [first, second] : teams) {
        Match m(first, second);
        for (const int roll : {70, 70, 95, 95, 95, 95, 95, 95, 95, 95, 95, 95, 95})
            m.click(1, ScriptedRandom::forRoll(roll));
        m.click(2, ScriptedRandom::forRoll(70));
        m.click(2, ScriptedRandom::forRoll(95));
        const InningsScore before = inningsScore(m.sb, 2);
        m.click(2, ScriptedRandom::forRoll(70));
        std::set<std::string> heard{ballAnnouncement(m.sb, 2, before)};
        for (const Control& control : m.sb.controls()) {
            if (!control.visible()) continue;
            EXPECT_TRUE(heard.insert(accessibleName(m.sb, control)).second)
                << first << " | " << second << ": " << accessibleName(m.sb, control);
        }
    }
}

// Each ball as it is told, and where the match stands when a player asks after it, through a
// short match: team 1 makes 5, team 2 chases 6.
TEST(BallAnnouncement, TellsTheBallThenTheScoreTheBatsmanAndWhatTheChaseNeeds) {
    Match m;
    EXPECT_EQ(matchStanding(m.sb, {}), "Lions 0 for 0. Player 1 batting, no runs yet");
    const struct {
        int t, roll, times;
        const char* stands;  // after the last of the balls
    } balls[] = {
        {1, 80, 1, "5 runs to Player 1. Lions 5 for 0. Player 1 batting, 5 runs"},
        {1, 95, 1, "Player 1 out. Player 2 in. Lions 5 for 1. Player 2 batting, no runs yet"},
        {1, 95, 9, "Player 10 out. Player 11 in. Lions 5 for 10. Player 11 batting, no runs yet"},
        {1, 95, 1,
         "Player 11 out. Lions all out for 5. Tigers 0 for 0. Player 1 batting, no runs yet. "
         "Tigers needs 6 runs to win"},
        {2, 10, 1,
         "1 run to Player 1. Tigers 1 for 0. Player 1 batting, 1 run. Tigers needs 5 runs to win"},
        {2, 85, 1, "6 runs to Player 1. Tigers 7 for 0. The match is over"},
    };
    for (const auto& ball : balls) {
        Ball bowled;
        for (int i = 0; i < ball.times; ++i) {
            bowled = {ball.t, inningsScore(m.sb, ball.t)};
            m.click(ball.t, ScriptedRandom::forRoll(ball.roll));
        }
        EXPECT_EQ(matchStanding(m.sb, bowled), ball.stands);
    }
}

}  // namespace
}  // namespace bw::match
