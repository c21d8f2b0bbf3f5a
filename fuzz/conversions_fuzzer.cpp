// Feeds arbitrary bytes to the runtime's conversions: as text to the lenient and the strict
// reading, and their first bytes as a double, a float and a short to the number-to-text
// conversions. Any broken rule aborts, which libFuzzer reports.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>

#include "runtime/conversions.h"
#include "runtime/errors.h"

namespace {

using namespace bw::rt;

void require(bool holds, const char* rule, const std::string& text) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\ntext (%zu bytes): \"%.*s\"\n", rule, text.size(),
                 static_cast<int>(text.size()), text.data());
    std::abort();
}

// What a reading gave: its value, or the number of the error it raised.
struct Outcome {
    double value = 0;
    int error = 0;
    // Bit for bit, so that the sign of a zero counts.
    bool operator==(const Outcome& o) const {
        return error == o.error && std::memcmp(&value, &o.value, sizeof value) == 0;
    }
};

Outcome outcomeOf(double (*read)(std::string_view), const std::string& text) {
    try {
        return {read(text), 0};
    } catch (const RuntimeError& error) {
        return {0, error.number()};
    }
}

// The C library's reading (in the "C" locale) of the text's leading characters that a number
// and the blanks before it are made of. On these alone it follows the runtime's grammar, so
// it serves as an independent reading; `whole` tells whether the number took up all the text.
Outcome readByCLibrary(const std::string& text, bool& whole) {
    const std::string chars = text.substr(0, text.find_first_not_of(" \t\r\n+-.0123456789eE"));
    char* end = nullptr;
    const double value = std::strtod(chars.c_str(), &end);
    whole = end != chars.c_str() && end == chars.c_str() + text.size();
    return std::isinf(value) ? Outcome{0, 6} : Outcome{value, 0};
}

void checkReadings(const std::string& text) {
    const Outcome loose = outcomeOf(rtcR8ValFromBstr, text), exact = outcomeOf(vbaR8Str, text);
    bool whole = false;
    const Outcome reference = readByCLibrary(text, whole);
    // By value: the C library keeps the sign of a number too small for a double.
    require(loose.error == reference.error && loose.value == reference.value,
            "lenient reads what the C library reads", text);
    const auto first = text.find_first_not_of(" \t\r\n"), last = text.find_last_not_of(" \t\r\n");
    readByCLibrary(first == std::string::npos ? "" : text.substr(first, last + 1 - first), whole);
    require((exact.error != 13) == whole, "strict accepts one number with blanks around", text);
    require(exact.error == 13 || exact == loose, "strict rejects the text or agrees", text);
    // Blanks around the text change neither reading; a character that cannot continue a
    // number ends the lenient reading where the text ended.
    const std::string padded = " \t" + text + "\r\n";
    require(outcomeOf(rtcR8ValFromBstr, padded) == loose, "lenient skips leading blanks", text);
    require(outcomeOf(vbaR8Str, padded) == exact, "strict skips blanks around", text);
    require(outcomeOf(rtcR8ValFromBstr, text + "x") == loose, "lenient stops at junk", text);
}

// The text written for the input's first bytes taken as a T: named when not finite, else no
// blank or plus sign in front, a minus sign exactly when negative, plain digits for whole
// numbers, and both readings give the number back (a float's text narrowed from a double).
template <typename T>
void checkNumberText(const std::string& bytes, std::string (*write)(T)) {
    T value{};
    std::memcpy(&value, bytes.data(), std::min(sizeof value, bytes.size()));
    const std::string text = write(value);
    const char* name = std::isnan(value) ? "NaN" : value < 0 ? "-Infinity" : "Infinity";
    if (!std::isfinite(value))
        return require(text == name && outcomeOf(vbaR8Str, text).error == 13,
                       "values that are not finite have names, which are no numbers", text);
    require(!text.empty() && text[0] != ' ' && text[0] != '+', "starts with the number", text);
    require((text[0] == '-') == (value < 0), "a minus sign only when negative", text);
    const std::string digits = text.substr(text[0] == '-' ? 1 : 0);
    require(std::floor(value) != value ||
                (digits.find_first_not_of("0123456789") == std::string::npos &&
                 (digits[0] != '0' || digits == "0")),
            "whole numbers are plain digits", text);
    const double read = vbaR8Str(text);
    require((std::is_same_v<T, float> ? static_cast<float>(read) : read) == value &&
                rtcR8ValFromBstr(text) == read,
            "the text reads back to the number", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkReadings(bytes);
    checkNumberText<double>(bytes, vbaStrR8);
    checkNumberText<float>(bytes, vbaStrR4);
    checkNumberText<std::int16_t>(bytes, vbaStrI2);
    return 0;
}
