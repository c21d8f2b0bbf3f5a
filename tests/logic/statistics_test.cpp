// The outcome bands, measured over many seeded deliveries and innings.
#include <gtest/gtest.h>

#include <cmath>

#include "match/match_screen.h"
#include "match/match_setup.h"
#include "runtime/conversions.h"
#include "tests/support/scripted_runtime.h"

namespace bw::match {
namespace {

rt::ClockSeededRandom seededGenerator() {
    return rt::ClockSeededRandom([] { return std::uint64_t{20261207}; }, rt::Pcg32{12345});
}

TEST(Statistics, EachOutcomeTakesItsBandsShareOfRolls) {
    auto random = seededGenerator();
    constexpr int kRolls = 1'000'000;
    // Band widths of codes 1..6 and of the wicket, out of 100.
    const double widths[] = {35, 25, 9, 6, 6, 8, 11};
    int counts[7] = {};
    for (int i = 0; i < kRolls; ++i) {
        const float r = rt::vbaFPInt(random.rtcRandomNext() * 100.0f + 1.0f);
        ASSERT_GE(r, 1.0f);
        ASSERT_LE(r, 100.0f);
        const int band = r <= 35   ? 0
                         : r <= 60 ? 1
                         : r <= 69 ? 2
                         : r <= 75 ? 3
                         : r <= 81 ? 4
                         : r <= 89 ? 5
                                   : 6;
        ++counts[band];
    }
    for (int band = 0; band < 7; ++band) {
        const double p = widths[band] / 100.0;
        const double standardError = std::sqrt(p * (1 - p) / kRolls);
        EXPECT_NEAR(counts[band] / double(kRolls), p, 5 * standardError) << "band " << band;
    }
}

TEST(Statistics, MeanFirstInningsTotalIs214) {
    // Runs per delivery 2.14 on average, a wicket with chance 0.11, eleven wickets:
    // 11 * 2.14 / 0.11 = 214.
    auto random = seededGenerator();
    testing::ScriptedBoxes boxes;
    testing::RecordingWindows windows;
    rt::Runtime runtime{random, boxes, windows};
    constexpr int kInnings = 20'000;
    double sum = 0, sumOfSquares = 0;
    for (int i = 0; i < kInnings; ++i) {
        Scoreboard sb;
        Form_Load(sb, boxes);
        while (sb.cmdInn(1).visible()) cmdInn1_Click(sb, runtime);
        const double total = rt::vbaR8Str(sb.lblTR(1).caption());
        sum += total;
        sumOfSquares += total * total;
    }
    const double mean = sum / kInnings;
    const double deviation = std::sqrt(sumOfSquares / kInnings - mean * mean);
    EXPECT_NEAR(mean, 214.0, 5 * deviation / std::sqrt(double(kInnings)));
}

}  // namespace
}  // namespace bw::match
