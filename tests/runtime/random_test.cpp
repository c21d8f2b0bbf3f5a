#include "runtime/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace bw::rt {
namespace {

Clock frozenAt(std::uint64_t reading) {
    return [reading] { return reading; };
}

std::vector<float> draws(Random& random, int count) {
    std::vector<float> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(random.rtcRandomNext());
    }
    return values;
}

TEST(Random, DrawsStayBelowOne) {
    // The largest generator output maps to the largest float below 1, never to 1 itself.
    constexpr float largest = static_cast<float>(0xFFFFFFFFU >> 8U) * 0x1p-24F;
    EXPECT_LT(largest, 1.0F);
    EXPECT_EQ(largest, std::nextafter(1.0F, 0.0F));

    ClockSeededRandom random(frozenAt(1), Pcg32{12345});
    float lowest = 1.0F;
    float highest = 0.0F;
    for (int i = 0; i < 1'000'000; ++i) {
        const float value = random.rtcRandomNext();
        ASSERT_GE(value, 0.0F);
        ASSERT_LT(value, 1.0F);
        lowest = std::fmin(lowest, value);
        highest = std::fmax(highest, value);
    }
    EXPECT_LT(lowest, 1e-4F);
    EXPECT_GT(highest, 1.0F - 1e-4F);
}

TEST(Random, ReseedingWithinOneClockTickStillChangesTheRolls) {
    ClockSeededRandom random(frozenAt(1'000'000), Pcg32{});
    random.rtcRandomize();
    const float first = random.rtcRandomNext();
    random.rtcRandomize();
    const float second = random.rtcRandomNext();
    EXPECT_NE(first, second);

    // Two reseeds in a row without a draw between them must not cancel out.
    ClockSeededRandom once(frozenAt(1'000'000), Pcg32{});
    ClockSeededRandom twice(frozenAt(1'000'000), Pcg32{});
    once.rtcRandomize();
    twice.rtcRandomize();
    twice.rtcRandomize();
    EXPECT_NE(draws(once, 4), draws(twice, 4));

    ClockSeededRandom untouched(frozenAt(1'000'000), Pcg32{});
    ClockSeededRandom reseeded(frozenAt(1'000'000), Pcg32{});
    reseeded.rtcRandomize();
    EXPECT_NE(draws(untouched, 4), draws(reseeded, 4));
}

TEST(Random, SameClockAndSeedGiveTheSameRolls) {
    ClockSeededRandom a(frozenAt(77), Pcg32{9});
    ClockSeededRandom b(frozenAt(77), Pcg32{9});
    EXPECT_EQ(draws(a, 100), draws(b, 100));
    a.rtcRandomize();
    b.rtcRandomize();
    EXPECT_EQ(draws(a, 100), draws(b, 100));

    // Either input on its own changes the rolls.
    ClockSeededRandom otherClock(frozenAt(78), Pcg32{9});
    ClockSeededRandom otherSeed(frozenAt(77), Pcg32{10});
    ClockSeededRandom reference(frozenAt(77), Pcg32{9});
    const std::vector<float> expected = draws(reference, 8);
    EXPECT_NE(draws(otherClock, 8), expected);
    EXPECT_NE(draws(otherSeed, 8), expected);
}

TEST(Random, ReseedReadsTheClockEachTime) {
    std::uint64_t now = 500;
    int readings = 0;
    ClockSeededRandom random(
        [&] {
            ++readings;
            return now;
        },
        Pcg32{3});
    EXPECT_EQ(readings, 1);
    random.rtcRandomize();
    now += 1;
    random.rtcRandomize();
    EXPECT_EQ(readings, 3);
}

TEST(Random, RoughlyUniform) {
    constexpr int kDraws = 100'000;
    constexpr int kBuckets = 10;
    ClockSeededRandom random(frozenAt(2024), Pcg32{42});
    double sum = 0.0;
    int counts[kBuckets] = {};
    for (int i = 0; i < kDraws; ++i) {
        const float value = random.rtcRandomNext();
        sum += value;
        ++counts[static_cast<int>(value * kBuckets)];
    }
    // A uniform draw has standard deviation 1/sqrt(12); allow four standard errors.
    const double standardError = 1.0 / std::sqrt(12.0 * kDraws);
    EXPECT_NEAR(sum / kDraws, 0.5, 4.0 * standardError);

    // Chi-square with 9 degrees of freedom: 27.9 is the 0.1% critical value.
    const double expected = static_cast<double>(kDraws) / kBuckets;
    double chiSquare = 0.0;
    for (const int count : counts) {
        chiSquare += (count - expected) * (count - expected) / expected;
    }
    EXPECT_LT(chiSquare, 27.9);
}

TEST(Random, SystemClockMovesForward) {
    const std::uint64_t earlier = highResolutionClock();
    const std::uint64_t later = highResolutionClock();
    EXPECT_LE(earlier, later);
}

}  // namespace
}  // namespace bw::rt
