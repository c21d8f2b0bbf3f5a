// Feeds arbitrary bytes to the runtime's conversions. The bytes are read as text by the lenient
// and the strict text-to-number conversions, and their first bytes as a double, a float and a
// short for the number-to-text conversions. Any broken rule aborts, which libFuzzer reports.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "runtime/conversions.h"
#include "runtime/errors.h"

namespace {

using namespace bw::rt;

[[noreturn]] void broken(const char* rule, std::string_view text) {
    std::fprintf(stderr, "broken: %s\ntext (%zu bytes): \"%.*s\"\n", rule, text.size(),
                 static_cast<int>(text.size()), text.data());
    std::abort();
}

void require(bool holds, const char* rule, std::string_view text) {
    if (!holds) broken(rule, text);
}

// What a text-to-number conversion gave: its value, or the number of the error it raised.
struct Outcome {
    double value = 0.0;
    int error = 0;

    bool operator==(const Outcome& other) const {
        return error == other.error && std::memcmp(&value, &other.value, sizeof value) == 0;
    }
};

template <typename Convert>
Outcome outcomeOf(Convert convert, std::string_view text) {
    try {
        return {convert(text), 0};
    } catch (const RuntimeError& error) {
        return {0.0, error.number()};
    }
}

Outcome lenient(std::string_view text) { return outcomeOf(rtcR8ValFromBstr, text); }
Outcome strict(std::string_view text) { return outcomeOf(vbaR8Str, text); }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The characters a number and the blanks before it are made of. On texts of these alone the
// C library's reading (in the "C" locale) follows the same grammar as the runtime's, so it
// serves as an independent reading to compare with.
constexpr std::string_view kNumberCharacters = " \t\r\n+-.0123456789eE";

struct ReferenceReading {
    Outcome outcome;
    bool wholeText = false;  // the number took up the whole text
};

ReferenceReading readByCLibrary(std::string_view text) {
    const std::string chars(text);
    char* end = nullptr;
    const double value = std::strtod(chars.c_str(), &end);
    const bool wholeText = end != chars.c_str() && end == chars.c_str() + chars.size();
    if (std::isinf(value)) return {{0.0, 6}, wholeText};
    return {{value, 0}, wholeText};
}

// The leading number of the text, read by the C library.
Outcome referenceLenient(std::string_view text) {
    return readByCLibrary(text.substr(0, text.find_first_not_of(kNumberCharacters))).outcome;
}

// Whether the text is one number with blanks around it, by the C library's reading.
bool referenceAcceptsStrictly(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return !text.empty() && text.find_first_not_of(kNumberCharacters) == std::string_view::npos &&
           readByCLibrary(text).wholeText;
}

void checkTextToNumber(std::string_view text) {
    const Outcome loose = lenient(text);
    require(loose.error == 0 || loose.error == 6, "lenient raises only Overflow", text);
    require(std::isfinite(loose.value), "lenient gives a finite number", text);

    // Compared by value: the C library keeps the sign of a number too small for a double.
    const Outcome reference = referenceLenient(text);
    require(loose.error == reference.error && loose.value == reference.value,
            "lenient reads what the C library reads", text);

    const Outcome exact = strict(text);
    require((exact.error != 13) == referenceAcceptsStrictly(text),
            "strict accepts exactly one number with blanks around", text);
    require(exact.error == 13 || exact == loose, "strict rejects the text or agrees with lenient",
            text);

    // Blanks around the text change neither reading; a character that cannot continue a
    // number ends the lenient reading where the text ended.
    const std::string padded = " \t" + std::string(text) + "\r\n";
    require(lenient(padded) == loose, "lenient skips leading blanks", text);
    require(strict(padded) == exact, "strict skips blanks around the number", text);
    require(lenient(std::string(text) + "x") == loose, "lenient stops at a non-number", text);

    if (exact.error == 0) {
        const std::string written = vbaStrR8(exact.value);
        require(vbaR8Str(written) == exact.value, "a number read back from its text", text);
    }
}

bool isPlainInteger(std::string_view text) {
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    if (text.empty() || (text.front() == '0' && text.size() > 1)) return false;
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Checks the text of a finite, non-NaN value: no blank or plus sign in front, a minus sign
// exactly when negative, plain digits for whole numbers.
template <typename T>
void checkNumberText(T value, const std::string& text) {
    require(!text.empty() && text.front() != ' ' && text.front() != '+',
            "number text starts with the number", text);
    require((text.front() == '-') == (value < 0), "minus sign only when negative", text);
    if (std::floor(value) == value) {
        require(isPlainInteger(text), "whole numbers are plain digits", text);
    }
}

template <typename T>
void checkNonFinite(T value, const std::string& text) {
    if (std::isnan(value)) {
        require(text == "NaN", "NaN is written NaN", text);
    } else {
        require(text == (value < 0 ? "-Infinity" : "Infinity"), "infinities have names", text);
    }
    require(strict(text).error == 13, "named non-finite values are not numbers to read", text);
}

void checkDouble(double value) {
    const std::string text = vbaStrR8(value);
    if (!std::isfinite(value)) {
        checkNonFinite(value, text);
        return;
    }
    checkNumberText(value, text);
    require(vbaR8Str(text) == value, "strict reads a double's text back to it", text);
    require(rtcR8ValFromBstr(text) == value, "lenient reads a double's text back to it", text);
}

void checkFloat(float value) {
    const std::string text = vbaStrR4(value);
    if (!std::isfinite(value)) {
        checkNonFinite(value, text);
        return;
    }
    checkNumberText(value, text);
    require(static_cast<float>(vbaR8Str(text)) == value, "a float's text reads back to it", text);
}

void checkShort(std::int16_t value) {
    const std::string text = vbaStrI2(value);
    require(isPlainInteger(text), "a short is plain digits", text);
    require(vbaR8Str(text) == value, "a short's text reads back to it", text);
}

template <typename T>
T leadingBytesAs(const std::uint8_t* data, std::size_t size) {
    T value{};
    if (size > 0) std::memcpy(&value, data, sizeof value < size ? sizeof value : size);
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkTextToNumber(std::string_view(reinterpret_cast<const char*>(data), size));
    checkDouble(leadingBytesAs<double>(data, size));
    checkFloat(leadingBytesAs<float>(data, size));
    checkShort(leadingBytesAs<std::int16_t>(data, size));
    return 0;
}
