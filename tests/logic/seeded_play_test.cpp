// The program's generator, and many seeded whole matches on the scoreboard model checked after
// every click.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "innings/delivery.h"
#include "match/match_screen.h"
#include "match/match_setup.h"
#include "tests/support/scoreboard_invariants.h"
#include "tests/support/scripted_runtime.h"

namespace bw::match {
namespace {

// The program's generator on a frozen clock, so that every run sees the same rolls.
rt::ClockSeededRandom generator(std::uint64_t clock, std::uint64_t seed) {
    return rt::ClockSeededRandom([clock] { return clock; }, rt::Pcg32{seed});
}

std::vector<float> draws(rt::ClockSeededRandom random, int reseeds) {
    for (int i = 0; i < reseeds; ++i) random.rtcRandomize();
    std::vector<float> values;
    for (int i = 0; i < 8; ++i) values.push_back(random.rtcRandomNext());
    return values;
}

TEST(Generator, ReseedsFromTheClockWithoutLosingItsState) {
    EXPECT_EQ(draws(generator(77, 9), 1), draws(generator(77, 9), 1));
    EXPECT_NE(draws(generator(78, 9), 0), draws(generator(77, 9), 0)) << "clock ignored";
    EXPECT_NE(draws(generator(77, 10), 0), draws(generator(77, 9), 0)) << "seed ignored";
    // Clicks within one clock tick must still get new rolls.
    EXPECT_NE(draws(generator(77, 9), 1), draws(generator(77, 9), 0)) << "reseed did nothing";
    EXPECT_NE(draws(generator(77, 9), 2), draws(generator(77, 9), 1)) << "reseeds cancel out";
    int readings = 0;
    rt::ClockSeededRandom counted([&] { return std::uint64_t(++readings); });
    counted.rtcRandomize();
    counted.rtcRandomize();
    EXPECT_EQ(readings, 3);
}

TEST(Generator, EveryRollComesUpEvenlyThroughTheDelivery) {
    constexpr int kDeliveries = 20'000;
    auto random = generator(20261207, 12345);
    Scoreboard sb;
    std::map<std::string, int> rolls;
    for (int i = 0; i < kDeliveries; ++i) {
        innings::BowlDelivery(sb, random, 1);
        ++rolls[sb.lblCounter().caption()];
    }
    // A draw outside [0, 1) would make a roll outside 1 to 100.
    EXPECT_EQ(rolls.size(), 100u) << "a roll outside 1 to 100, or one never made";
    // Chi-square over the 100 rolls: 148.2 is the 0.1 % critical value for 99 degrees.
    constexpr double kExpected = kDeliveries / 100.0;
    double chiSquare = 0;
    for (int r = 1; r <= 100; ++r) {
        const double seen = rolls[std::to_string(r)];
        chiSquare += (seen - kExpected) * (seen - kExpected) / kExpected;
    }
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
        const std::string& name = names[match % std::size(names)];
        run.boxes.answers = {name, name + "2"};
        Form_Load(sb, run.boxes);
        testing::ScoreboardInvariants invariants(sb);
        for (int click = 0; click < 2000 && (sb.cmdInn(1).visible() || sb.cmdInn(2).visible());
             ++click) {
            sb.cmdInn(1).visible() ? cmdInn1_Click(sb, runtime) : cmdInn2_Click(sb, runtime);
            ASSERT_EQ(invariants.afterClick(), "");
        }
        ASSERT_EQ(run.boxes.messages.size(), 2u);
        ASSERT_EQ(run.boxes.messages[1].title, "End of Match!");
        ASSERT_EQ(run.windows.calls, std::vector<std::string>{"Show frmPlayAgain"});
    }
}

// The checker must catch what it claims to: a wrong total, a second batsman in, the wrong
// button, a wicket taken back.
TEST(SeededMatches, TheCheckerCatchesABrokenScoreboard) {
    Scoreboard sb;
    testing::ScriptedRuntime run;
    Form_Load(sb, run.boxes);
    testing::ScoreboardInvariants invariants(sb);
    run.random.pushRoll(82);
    cmdInn1_Click(sb, run.runtime);
    ASSERT_EQ(invariants.afterClick(), "");
    const auto caught = [&](const char* rule) {
        return invariants.afterClick().find(rule) != std::string::npos;
    };
    sb.lblTR(1).setCaption("7");
    EXPECT_TRUE(caught("total is not the sum"));
    sb.lblTR(1).setCaption("6");
    sb.lblPR(2, 1).setFontBold(true);
    EXPECT_TRUE(caught("player 2 is bold"));
    sb.lblPR(2, 1).setFontBold(false);
    sb.cmdInn(2).setVisible(true);
    EXPECT_TRUE(caught("wrong innings button"));
    sb.cmdInn(2).setVisible(false);
    sb.lblWT(1).setCaption("2");
    EXPECT_TRUE(caught("wickets went from 0"));
}

}  // namespace
}  // namespace bw::match
