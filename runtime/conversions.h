#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Text and number conversions of the runtime. Text is UTF-8 throughout.
namespace bw::rt {

// Lenient: the leading number of the text (leading blanks, optional sign, digits, decimal
// point, exponent); empty or non-numeric text reads as 0. Raises Overflow beyond a double.
double rtcR8ValFromBstr(std::string_view text);

// Strict: the whole text must be a number (blanks around it allowed); anything else, the
// empty text included, raises Type mismatch.
double vbaR8Str(std::string_view text);

// Decimal text: no leading space, a minus sign only if negative, whole numbers as plain digits;
// other values in the shortest text that reads back to the same number.
std::string vbaStrI2(std::int16_t value);
std::string vbaStrR4(float value);
std::string vbaStrR8(double value);

// 0 exactly when both texts are equal character for character.
int vbaStrCmp(std::string_view a, std::string_view b);

// Joins the pieces in order, with nothing in between.
std::string vbaStrCat(std::initializer_list<std::string_view> pieces);

// A one-character text holding the character with the given code (0 to 127).
std::string rtcVarBstrFromAnsi(int code);

// The greatest whole number not above the value.
float vbaFPInt(float value);

// Raises Overflow when a sum has left the finite doubles; returns the value otherwise.
double vbaFPException(double value);

}  // namespace bw::rt
