#include "runtime/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "runtime/errors.h"

namespace bw::rt {
namespace {

struct TextToNumber {
    std::string_view text;
    double expected;
};

// The number of the error a call raises, or 0 when it raises none.
template <typename F>
int errorNumber(F&& call) {
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

TEST(LenientNumber, ReadsTheLeadingNumber) {
    const TextToNumber cases[] = {
        {"", 0.0},
        {"abc", 0.0},
        {"0", 0.0},
        {"7", 7.0},
        {"12abc", 12.0},
        {" -3.5e2x", -350.0},
        {"\t\r\n 42", 42.0},
        {"+8", 8.0},
        {"-8", -8.0},
        {"-0", 0.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"+.25", 0.25},
        {"-.5e1", -5.0},
        {".", 0.0},
        {"-", 0.0},
        {"+", 0.0},
        {"--1", 0.0},
        {"+-1", 0.0},
        {"- 1", 0.0},
        {"e5", 0.0},
        {".e5", 0.0},
        {"1e", 1.0},
        {"1e+", 1.0},
        {"1e-", 1.0},
        {"1ex", 1.0},
        {"1E3", 1000.0},
        {"1e+3", 1000.0},
        {"25e-1", 2.5},
        {"1.2.3", 1.2},
        {"1 2", 1.0},
        {"0x10", 0.0},
        {"inf", 0.0},
        {"nan", 0.0},
        {"007", 7.0},
        {"0.000", 0.0},
        {"0e999999999999999999999", 0.0},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"1e-400", 0.0},
        {"-1e-400", 0.0},
        {"0.0000000001e-320", 0.0},
        {"1e-99999999999999999999999", 0.0},
        // Non-ASCII: a no-break space is not a blank, an Arabic-Indic three is not a digit.
        {"\xC2\xA0"
         "5",
         0.0},
        {"\xD9\xA3", 0.0},
        {"\xFF\xFE", 0.0},
        {"5\xC2\xB0", 5.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(rtcR8ValFromBstr(c.text), c.expected);
    }
}

TEST(LenientNumber, TooLargeForADoubleRaisesOverflow) {
    // Just past the point where a double rounds to infinity, written out in full.
    const std::string justTooLarge = "17976931348623159" + std::string(292, '0');
    const std::string largest = "17976931348623157" + std::string(292, '0');
    EXPECT_EQ(rtcR8ValFromBstr(largest), std::numeric_limits<double>::max());

    const std::string cases[] = {
        "1e309",
        "-1e309",
        "1.8e308",
        "0.0001e313",
        "1e99999999999999999999999",
        "  " + justTooLarge + "abc",
        "-" + justTooLarge,
        "0." + justTooLarge + "e310",
    };
    for (const auto& text : cases) {
        SCOPED_TRACE(text.substr(0, 40));
        EXPECT_EQ(errorNumber([&] { rtcR8ValFromBstr(text); }), 6);
    }
}

TEST(StrictNumber, AcceptsOneNumberWithBlanksAround) {
    const TextToNumber cases[] = {
        {"0", 0.0},  {"12", 12.0}, {" 12 ", 12.0}, {"\t-3.5e2\r\n", -350.0}, {"+7", 7.0},
        {".5", 0.5}, {"5.", 5.0},  {"1E-2", 0.01}, {"1e-400", 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(vbaR8Str(c.text), c.expected);
    }
}

TEST(StrictNumber, RejectsAnythingElseWithTypeMismatch) {
    const std::string_view cases[] = {
        "",
        " ",
        "\t\n",
        "12abc",
        "1 2",
        "abc",
        "--1",
        "+-1",
        ".",
        "-",
        "1e",
        "1e+",
        "1.2.3",
        "0x10",
        "inf",
        "NaN",
        "\xC2\xA0"
        "5",
        "5\xC2\xA0",
        "1,5",
    };
    for (const auto text : cases) {
        SCOPED_TRACE(std::string(text));
        EXPECT_EQ(errorNumber([&] { vbaR8Str(text); }), 13);
    }
}

TEST(StrictNumber, MessagesQuoteTheText) {
    try {
        vbaR8Str("abc");
        FAIL() << "no error raised";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(std::string(error.what()), "Type mismatch: \"abc\" is not a number.");
    }
    EXPECT_EQ(errorNumber([] { vbaR8Str(" 1e309 "); }), 6);
    EXPECT_EQ(errorNumber([] { vbaR8Str("1e309x"); }), 13);
}

TEST(NumberText, WholeNumbersArePlainDigits) {
    const struct {
        double value;
        std::string_view expected;
    } cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {7.0, "7"},
        {100.0, "100"},
        {-3.0, "-3"},
        {1e15, "1000000000000000"},
        {1e20, "100000000000000000000"},
        {-1e21, "-1000000000000000000000"},
        {9007199254740993.0, "9007199254740992"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(vbaStrR8(c.value), c.expected);
    }
    const std::string largest = vbaStrR8(std::numeric_limits<double>::max());
    EXPECT_EQ(largest.size(), 309U);
    EXPECT_EQ(largest.find_first_not_of("0123456789"), std::string::npos);
}

TEST(NumberText, FractionsAreShortestRoundTrip) {
    const struct {
        double value;
        std::string_view expected;
    } cases[] = {
        {0.1, "0.1"},
        {2.5, "2.5"},
        {-0.75, "-0.75"},
        {1.0 / 3.0, "0.3333333333333333"},
        {0.1 + 0.2, "0.30000000000000004"},
        {1e-7, "1e-07"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(vbaStrR8(c.value), c.expected);
    }
}

TEST(NumberText, NonFiniteValuesHaveNames) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(vbaStrR8(inf), "Infinity");
    EXPECT_EQ(vbaStrR8(-inf), "-Infinity");
    EXPECT_EQ(vbaStrR8(std::numeric_limits<double>::quiet_NaN()), "NaN");
    EXPECT_EQ(vbaStrR4(-std::numeric_limits<float>::infinity()), "-Infinity");
    EXPECT_EQ(vbaStrR4(std::numeric_limits<float>::quiet_NaN()), "NaN");
}

TEST(NumberText, SinglePrecision) {
    const struct {
        float value;
        std::string_view expected;
    } cases[] = {
        {0.0F, "0"},
        {-0.0F, "0"},
        {7.0F, "7"},
        {-3.0F, "-3"},
        {1e20F, "100000002004087734272"},
        {0.1F, "0.1"},
        {2.5F, "2.5"},
        {1.0F / 3.0F, "0.33333334"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(vbaStrR4(c.value), c.expected);
    }
}

TEST(NumberText, SinglePrecisionReadsBackThroughTheDoubleReader) {
    // 7.038531e-26 is the shortest text of the float 0x15ae43fd, but read as a double and
    // narrowed it gives 0x15ae43fe: such a float needs one more digit.
    float twiceRounded = 0.0F;
    const std::uint32_t bits = 0x15ae43fdU;
    std::memcpy(&twiceRounded, &bits, sizeof twiceRounded);
    EXPECT_EQ(vbaStrR4(twiceRounded), "7.0385307e-26");
    EXPECT_EQ(vbaStrR4(-twiceRounded), "-7.0385307e-26");

    const float values[] = {
        twiceRounded,
        -twiceRounded,
        0.1F,
        1.0F / 3.0F,
        2.5F,
        57.0F,
        16777216.0F,
        std::numeric_limits<float>::max(),
        std::numeric_limits<float>::lowest(),
        std::numeric_limits<float>::min(),
        std::numeric_limits<float>::denorm_min(),
    };
    for (const float x : values) {
        const std::string text = vbaStrR4(x);
        SCOPED_TRACE(text);
        EXPECT_EQ(static_cast<float>(vbaR8Str(text)), x);
    }
}

TEST(NumberText, Integers) {
    EXPECT_EQ(vbaStrI2(0), "0");
    EXPECT_EQ(vbaStrI2(42), "42");
    EXPECT_EQ(vbaStrI2(-32768), "-32768");
    EXPECT_EQ(vbaStrI2(32767), "32767");
}

TEST(NumberText, ReadsBackToTheSameValue) {
    const double values[] = {
        0.0,
        1.0,
        -1.0,
        0.1,
        1.0 / 3.0,
        -2.0 / 3.0,
        2.5,
        1e-7,
        123456.789,
        3.141592653589793,
        1e20,
        1e23,
        -1e300,
        1e-300,
        std::numeric_limits<double>::max(),
        std::numeric_limits<double>::lowest(),
        std::numeric_limits<double>::min(),
        std::numeric_limits<double>::epsilon(),
        std::numeric_limits<double>::denorm_min(),
    };
    for (const double x : values) {
        const std::string text = vbaStrR8(x);
        SCOPED_TRACE(text);
        EXPECT_EQ(vbaR8Str(text), x);
        EXPECT_EQ(rtcR8ValFromBstr(text), x);
    }
}

TEST(Text, CompareAndJoin) {
    EXPECT_EQ(vbaStrCmp("", ""), 0);
    EXPECT_EQ(vbaStrCmp("Out", "Out"), 0);
    EXPECT_LT(vbaStrCmp("Out", "out"), 0);
    EXPECT_GT(vbaStrCmp("out", "Out"), 0);
    EXPECT_LT(vbaStrCmp("Ou", "Out"), 0);
    EXPECT_GT(vbaStrCmp("Out", ""), 0);
    EXPECT_NE(vbaStrCmp("caf\xC3\xA9", "cafe"), 0);
    EXPECT_NE(vbaStrCmp(std::string_view("a\0b", 3), std::string_view("a\0c", 3)), 0);

    EXPECT_EQ(vbaStrCat("", ""), "");
    EXPECT_EQ(vbaStrCat({}), "");
    EXPECT_EQ(vbaStrCat({"Play ", "", "'s innings."}), "Play 's innings.");
    EXPECT_EQ(vbaStrCat("Score: ", "120"), "Score: 120");
    EXPECT_EQ(vbaStrCat("caf", "\xC3\xA9 \xE2\x9C\x93"), "caf\xC3\xA9 \xE2\x9C\x93");
}

TEST(Text, CharacterFromCode) {
    EXPECT_EQ(rtcVarBstrFromAnsi(10), "\n");
    EXPECT_EQ(rtcVarBstrFromAnsi(65), "A");
    EXPECT_EQ(rtcVarBstrFromAnsi(127), "\x7F");
    EXPECT_EQ(rtcVarBstrFromAnsi(0), std::string(1, '\0'));
    for (const int code : {-1, 128, 255, 1000}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(errorNumber([&] { rtcVarBstrFromAnsi(code); }), 5);
    }
}

TEST(Arithmetic, IntRoundsDown) {
    const struct {
        double value;
        double expected;
    } cases[] = {
        {0.0, 0.0}, {2.0, 2.0}, {2.9, 2.0}, {-0.5, -1.0}, {-2.0, -2.0}, {-2.1, -3.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(vbaFPInt(c.value), c.expected);
        EXPECT_EQ(vbaFPInt(static_cast<float>(c.value)), static_cast<float>(c.expected));
    }
    EXPECT_EQ(vbaFPInt(0.99999994F), 0.0F);
}

TEST(Arithmetic, ExceptionCheckRaisesOverflowOnlyWhenNotFinite) {
    constexpr double max = std::numeric_limits<double>::max();
    EXPECT_EQ(vbaFPException(0.0), 0.0);
    EXPECT_EQ(vbaFPException(-12.5), -12.5);
    EXPECT_EQ(vbaFPException(max), max);
    EXPECT_EQ(errorNumber([&] { vbaFPException(max * 2.0); }), 6);
    EXPECT_EQ(errorNumber([&] { vbaFPException(-max * 2.0); }), 6);
    EXPECT_EQ(errorNumber([] { vbaFPException(std::numeric_limits<double>::quiet_NaN()); }), 6);
}

}  // namespace
}  // namespace bw::rt
