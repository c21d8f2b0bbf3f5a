// The runtime's text and number conversions. Round trips and agreement with the C library on
// every text are left to the fuzzer (fuzz/conversions_fuzzer.cpp); these are the cases that
// decide.
#include "runtime/conversions.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "runtime/errors.h"

namespace bw::rt {
namespace {

using Limits = std::numeric_limits<double>;

// What a call gave: its value as text, or the run-time error it raised ("#overflow",
// "#mismatch" for Type mismatch, else "#" and its number).
template <typename F>
std::string outcomeOf(F&& call) {
    try {
        return vbaStrR8(call());
    } catch (const RuntimeError& error) {
        return error.number() == kOverflow       ? "#overflow"
               : error.number() == kTypeMismatch ? "#mismatch"
                                                 : "#" + std::to_string(error.number());
    }
}

// What the lenient and the strict reading make of a text.
std::string readings(const std::string& text) {
    return outcomeOf([&] { return rtcR8ValFromBstr(text); }) + " " +
           outcomeOf([&] { return vbaR8Str(text); });
}

// Grouped by outcome.
TEST(Conversions, LenientAndStrictReading) {
    const std::string tooLarge = "17976931348623159" + std::string(292, '0');
    const std::string max = vbaStrR8(Limits::max());
    const std::initializer_list<std::string> groups[] = {
        // Not a number: a no-break space is no blank, an Arabic-Indic three no digit.
        {"0 #mismatch", "", " \t\n", "abc", ".", "--1", "- 1", "e5", "0x10", "inf", "NaN",
         "\u00A05", "\u0663"},
        {"12 #mismatch", "12abc", "12 2", "12,5", "12.0.3", "12e", "12e+", "12ex", "12\u00B0"},
        {"12 12", "12", "012", " 12 ", "\t\r\n+12.", "1.2E1", "120e-1", "+.12e2"},
        {"-350 -350", "-3.5e2"},
        // Too small for a double reads as 0; too large overflows, unless strict rejects it first.
        {"0 0", "1e-400", "-1e-400", "0e999999999999999999999", "1e-99999999999999999999999"},
        {"#overflow #overflow", "1e309", "-1e309", "0.0001e313", "1e99999999999999999999999",
         "-" + tooLarge, "0." + tooLarge + "e310"},
        {"#overflow #mismatch", "1e309x", "  " + tooLarge + "abc"},
        {max + " " + max, "17976931348623157" + std::string(292, '0')}};
    for (const auto& group : groups) {
        for (auto text = group.begin() + 1; text != group.end(); ++text)
            EXPECT_EQ(readings(*text), *group.begin()) << text->substr(0, 40);
    }
    try {
        vbaR8Str("abc");
        ADD_FAILURE() << "\"abc\" read as a number";
    } catch (const RuntimeError& error) {
        EXPECT_STREQ(error.what(), "Type mismatch: \"abc\" is not a number.");
    }
}

// Each text is what the conversion writes for the number the C library reads from it.
TEST(Conversions, NumberText) {
    for (const char* text :
         {"0", "7", "100", "-3", "100000000000000000000", "-1000000000000000000000", "0.1", "-0.75",
          "0.3333333333333333", "1e-07", "Infinity", "-Infinity", "NaN"}) {
        EXPECT_EQ(vbaStrR8(std::strtod(text, nullptr)), text);
    }
    for (const char* text : {"0", "7", "-3", "16777216", "100000002004087734272", "0.1",
                             "0.33333334", "-7.0385307e-26", "-Infinity", "NaN"}) {
        EXPECT_EQ(vbaStrR4(std::strtof(text, nullptr)), text);
    }
    // A score of "-0" means nothing to the player.
    EXPECT_EQ(vbaStrR8(-0.0) + vbaStrR4(-0.0F), "00");
    // 0x15ae43fd once came out as its shortest text, 7.038531e-26, which read as a double and
    // narrowed lands on the neighbouring float: it needs one digit more.
    EXPECT_EQ(vbaStrR4(std::bit_cast<float>(std::uint32_t{0x15ae43fd})), "7.0385307e-26");
}

}  // namespace
}  // namespace bw::rt
