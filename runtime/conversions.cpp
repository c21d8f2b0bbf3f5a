#include "runtime/conversions.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

#include "runtime/errors.h"

namespace bw::rt {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Plain comparisons: <cctype> would depend on the locale and is undefined for UTF-8 bytes.
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    return pos;
}

// The extent of one number in the text, and enough about its size to tell overflow from
// underflow when the conversion reports the value out of range.
struct NumberText {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool hasDigit = false;
    // Decimal place of the first non-zero digit, exponent included; only meaningful when the
    // mantissa has a non-zero digit.
    std::int64_t leadingPlace = 0;
};

NumberText scanNumber(std::string_view text, std::size_t pos) {
    // Caps the exponent so that absurdly long exponents cannot overflow the place arithmetic;
    // any value this far out is out of range either way.
    constexpr std::int64_t kExponentCap = 1'000'000'000'000LL;

    NumberText number;
    number.begin = pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }

    std::int64_t integerDigits = 0;
    std::int64_t firstNonZeroInteger = -1;
    while (pos < text.size() && isDigit(text[pos])) {
        if (firstNonZeroInteger < 0 && text[pos] != '0') {
            firstNonZeroInteger = integerDigits;
        }
        ++integerDigits;
        ++pos;
    }
    std::int64_t firstNonZeroFraction = -1;
    std::int64_t fractionDigits = 0;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            if (firstNonZeroFraction < 0 && text[pos] != '0') {
                firstNonZeroFraction = fractionDigits;
            }
            ++fractionDigits;
            ++pos;
        }
    }
    number.hasDigit = integerDigits + fractionDigits > 0;
    if (!number.hasDigit) {
        number.end = number.begin;
        return number;
    }
    if (firstNonZeroInteger >= 0) {
        number.leadingPlace = integerDigits - 1 - firstNonZeroInteger;
    } else if (firstNonZeroFraction >= 0) {
        number.leadingPlace = -(firstNonZeroFraction + 1);
    }

    // The exponent belongs to the number only when at least one of its digits follows.
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t p = pos + 1;
        bool negative = false;
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
            negative = text[p] == '-';
            ++p;
        }
        if (p < text.size() && isDigit(text[p])) {
            std::int64_t exponent = 0;
            while (p < text.size() && isDigit(text[p])) {
                if (exponent < kExponentCap) {
                    exponent = exponent * 10 + (text[p] - '0');
                }
                ++p;
            }
            number.leadingPlace += negative ? -exponent : exponent;
            pos = p;
        }
    }
    number.end = pos;
    return number;
}

double convert(std::string_view text, const NumberText& number) {
    std::size_t begin = number.begin;
    // std::from_chars takes a minus sign but not a plus sign.
    if (text[begin] == '+') {
        ++begin;
    }
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data() + begin, text.data() + number.end, value);
    if (ec == std::errc::result_out_of_range) {
        if (number.leadingPlace > 0) {
            throw RuntimeError::overflow();
        }
        return 0.0;
    }
    if (ec != std::errc{}) {
        return 0.0;
    }
    return value;
}

// Scores, wickets and rolls are short runs of digits: read those directly, as the general
// conversion would read them (every whole number of up to 15 digits is exact in a double).
std::optional<double> plainWholeNumber(std::string_view text) {
    constexpr std::size_t kExactDigits = 15;
    if (text.empty() || text.size() > kExactDigits) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (!isDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return static_cast<double>(value);
}

bool readsBackThroughDouble(std::string_view text, float value) {
    double read = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), read);
    return static_cast<float>(read) == value;
}

// The runtime reads every number as a double. The shortest text of a float reads back to it
// as a float, but read as a double and then narrowed it is rounded twice and, for a few
// floats, lands on the neighbouring one; those get the fewest digits that do read back.
std::string floatTextReadableAsDouble(float value, std::string text) {
    // Whole floats below 2^24 are written as their exact digits, which any reading keeps.
    constexpr float kExactWholeFloats = 16777216.0f;
    if (std::floor(value) == value && std::fabs(value) < kExactWholeFloats) {
        return text;
    }
    if (!std::isfinite(value) || readsBackThroughDouble(text, value)) {
        return text;
    }
    // Nine significant digits tell every float apart, double rounding or not.
    constexpr int kDigitsForAnyFloat = 9;
    std::array<char, 64> buffer{};
    for (int digits = 1; digits <= kDigitsForAnyFloat; ++digits) {
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::general, digits);
        text.assign(buffer.data(), result.ptr);
        if (readsBackThroughDouble(text, value)) {
            break;
        }
    }
    return text;
}

template <typename T>
std::string numberText(T value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : "Infinity";
    }
    if (value == 0) {
        // Negative zero too: a score of "-0" means nothing to the player.
        return "0";
    }
    // Wide enough for the largest double written out in plain digits.
    std::array<char, 512> buffer{};
    char* const first = buffer.data();
    char* const last = buffer.data() + buffer.size();
    // Whole numbers below 2^53 are exact as integers; written as such they need no rounding.
    constexpr T kExactWhole = static_cast<T>(1LL << 53);
    if (std::floor(value) == value && std::fabs(value) < kExactWhole) {
        const auto result = std::to_chars(first, last, static_cast<std::int64_t>(value));
        return std::string(first, result.ptr);
    }
    const auto result = std::floor(value) == value
                            ? std::to_chars(first, last, value, std::chars_format::fixed)
                            : std::to_chars(first, last, value);
    return std::string(first, result.ptr);
}

}  // namespace

double rtcR8ValFromBstr(std::string_view text) {
    if (const auto whole = plainWholeNumber(text)) return *whole;
    const NumberText number = scanNumber(text, skipBlanks(text, 0));
    if (!number.hasDigit) {
        return 0.0;
    }
    return convert(text, number);
}

double vbaR8Str(std::string_view text) {
    if (const auto whole = plainWholeNumber(text)) return *whole;
    const NumberText number = scanNumber(text, skipBlanks(text, 0));
    if (!number.hasDigit || skipBlanks(text, number.end) != text.size()) {
        throw RuntimeError::typeMismatch(std::string(text));
    }
    return convert(text, number);
}

std::string vbaStrI2(std::int16_t value) { return std::to_string(value); }

std::string vbaStrR4(float value) { return floatTextReadableAsDouble(value, numberText(value)); }

std::string vbaStrR8(double value) { return numberText(value); }

int vbaStrCmp(std::string_view a, std::string_view b) { return a.compare(b); }

std::string vbaStrCat(std::initializer_list<std::string_view> pieces) {
    // One allocation for the whole text: captions are joined on every delivery.
    std::size_t size = 0;
    for (std::string_view piece : pieces) size += piece.size();
    std::string text;
    text.reserve(size);
    for (std::string_view piece : pieces) text += piece;
    return text;
}

std::string rtcVarBstrFromAnsi(int code) {
    if (code < 0 || code > 127) {
        throw RuntimeError(kInvalidProcedureCall, "Invalid procedure call or argument");
    }
    return std::string(1, static_cast<char>(code));
}

float vbaFPInt(float value) { return std::floor(value); }

double vbaFPException(double value) {
    if (!std::isfinite(value)) {
        throw RuntimeError::overflow();
    }
    return value;
}

}  // namespace bw::rt
