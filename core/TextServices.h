// Text and number conversions of the Calculate road: Val (text to number,
// never failing), Str, Format with "##0", and the UTF-8 character services
// Len, Chr and Asc. All of them are locale-independent.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace core {

// The number at the start of the text: leading blanks (space, tab, CR, LF, VT,
// FF), an optional sign, digits with an optional decimal point, and an optional
// exponent, read as far as they form a number; 0 when none do. No "inf", "nan"
// or hex forms. Too large a magnitude gives an infinity, too small a zero.
double Val(std::string_view text);

// Decimal digits, with a minus sign for negatives; no grouping.
std::string Str(std::int64_t value);

// Only the pattern "##0" is known: the value rounded to a whole number, halves
// away from zero, at least one digit, never "-0". Infinities and NaN give
// "inf", "-inf" and "nan". Any other pattern throws std::invalid_argument.
std::string Format(double value, std::string_view pattern);

// Length in characters (UTF-8 code points); each byte of a malformed sequence
// counts as one character.
std::int64_t Len(std::string_view text);

// The character with that code point, UTF-8 encoded; the empty text for
// negative numbers, surrogates and numbers past U+10FFFF.
std::string Chr(std::int64_t codePoint);

// The code point of the first character; -1 for the empty text and U+FFFD for
// a malformed first character.
std::int64_t Asc(std::string_view text);

} // namespace core
