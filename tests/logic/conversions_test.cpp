// The runtime's text and number conversions. Round trips and agreement with the C library on
// every text are left to the fuzzer (fuzz/conversions_fuzzer.cpp); these are the cases that
// decide.
#include "runtime/conversions.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "runtime/errors.h"

namespace bw::rt {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

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
    // Not a number: a no-break space is no blank, an Arabic-Indic three no digit.
    for (const char* text :
         {"", " \t\n", "abc", ".", "--1", "- 1", "e5", "0x10", "inf", "NaN", "\u00A05", "\u0663"}) {
        EXPECT_EQ(readings(text), "0 #mismatch") << text;
    }
    for (const char* text : {"12abc", "12 2", "12,5", "12.0.3", "12e", "12e+", "12ex", "12\u00B0"})
        EXPECT_EQ(readings(text), "12 #mismatch") << text;
    for (const char* text : {"12", "012", " 12 ", "\t\r\n+12.", "1.2E1", "120e-1", "+.12e2"})
        EXPECT_EQ(readings(text), "12 12") << text;
    EXPECT_EQ(readings("-3.5e2"), "-350 -350");
    // Too small for a double reads as 0; too large overflows, unless strict rejects it first.
    for (const char* text :
         {"1e-400", "-1e-400", "0e999999999999999999999", "1e-99999999999999999999999"})
        EXPECT_EQ(readings(text), "0 0") << text;
    const std::string tooLarge = "17976931348623159" + std::string(292, '0');
    for (const std::string& text : std::initializer_list<std::string>{
             "1e309", "-1e309", "0.0001e313", "1e99999999999999999999999", "-" + tooLarge,
             "0." + tooLarge + "e310"}) {
        EXPECT_EQ(readings(text), "#overflow #overflow") << text.substr(0, 40);
    }
    EXPECT_EQ(readings("1e309x"), "#overflow #mismatch");
    EXPECT_EQ(readings("  " + tooLarge + "abc"), "#overflow #mismatch");
    const std::string max = vbaStrR8(std::numeric_limits<double>::max());
    EXPECT_EQ(readings("17976931348623157" + std::string(292, '0')), max + " " + max);
    EXPECT_EQ(readings("1.7976931348623157e308"), max + " " + max);
    try {
        vbaR8Str("abc");
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
    EXPECT_EQ(vbaStrR8(-0.0), "0");
    EXPECT_EQ(vbaStrR8(9007199254740993.0), "9007199254740992");
    const std::string largest = vbaStrR8(std::numeric_limits<double>::max());
    EXPECT_EQ(largest.substr(0, 17) + std::to_string(largest.size()), "17976931348623157309");
    EXPECT_EQ(largest.find_first_not_of("0123456789"), std::string::npos) << largest;

    for (const char* text : {"0", "7", "-3", "16777216", "100000002004087734272", "0.1",
                             "0.33333334", "-7.0385307e-26", "-Infinity", "NaN"}) {
        EXPECT_EQ(vbaStrR4(std::strtof(text, nullptr)), text);
    }
    EXPECT_EQ(vbaStrR4(-0.0F), "0");
    // 0x15ae43fd once came out as its shortest text, 7.038531e-26, which read as a double and
    // narrowed lands on the neighbouring float: it needs one digit more.
    EXPECT_EQ(vbaStrR4(std::bit_cast<float>(std::uint32_t{0x15ae43fd})), "7.0385307e-26");

    for (const std::int16_t i : {0, 42, -32768, 32767}) EXPECT_EQ(vbaStrI2(i), std::to_string(i));
}

TEST(Conversions, TextAndArithmetic) {
    // Rows "a|b|equal?": the counts that choose a batsman are compared as text.
    for (const std::string row : {"||1", "11|11|1", "11|1|0", "1|11|0", "Out|out|0", "|0|0"}) {
        const std::size_t bar = row.find('|'), secondBar = row.find('|', bar + 1);
        EXPECT_EQ(vbaStrCmp(row.substr(0, bar), row.substr(bar + 1, secondBar - bar - 1)) == 0,
                  row.back() == '1')
            << row;
    }
    EXPECT_NE(vbaStrCmp(std::string("a\0b", 3), std::string("a\0c", 3)), 0);
    EXPECT_EQ(vbaStrCat({"Play ", "", "'s innings."}), "Play 's innings.");
    EXPECT_EQ(vbaStrCat({}), "");
    EXPECT_EQ(vbaStrCat("Score: ", "\u00E9"), "Score: \u00E9");

    EXPECT_EQ(rtcVarBstrFromAnsi(10), "\n");
    for (const int code : {-1, 128}) {
        EXPECT_EQ(outcomeOf([&] { return rtcVarBstrFromAnsi(code).size() + 0.0; }), "#5") << code;
    }

    const double floors[][2] = {{2, 2}, {2.9, 2}, {-0.5, -1}, {-2, -2}, {-2.1, -3}};
    for (const auto& row : floors) {
        EXPECT_EQ(vbaFPInt(row[0]), row[1]) << row[0];
        EXPECT_EQ(vbaFPInt(static_cast<float>(row[0])), static_cast<float>(row[1])) << row[0];
    }
    EXPECT_EQ(vbaFPInt(0.99999994F), 0.0F);

    for (const double value : {0.0, -12.5, std::numeric_limits<double>::max(), kInf, -kInf, kNaN}) {
        EXPECT_EQ(outcomeOf([&] { return vbaFPException(value); }),
                  std::isfinite(value) ? vbaStrR8(value) : "#overflow")
            << value;
    }
}

}  // namespace
}  // namespace bw::rt
