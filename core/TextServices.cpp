// Val scans the longest number-shaped prefix itself and hands exactly that span
// to std::from_chars, which is correctly rounded and ignores the locale.
#include "core/TextServices.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace core {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t CountDigits(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && IsDigit(text[end])) {
        ++end;
    }
    return end - from;
}

// For a span that from_chars found out of range: whether its magnitude is
// huge (not tiny). Position of the first significant digit plus the exponent,
// both saturated, tells the two apart.
bool IsHuge(std::string_view intPart, std::string_view fracPart, std::string_view exponent) {
    constexpr std::int64_t cap = 1'000'000'000'000;
    std::int64_t magnitude = 0;
    if (const auto first = intPart.find_first_not_of('0'); first != std::string_view::npos) {
        magnitude = std::min<std::int64_t>(static_cast<std::int64_t>(intPart.size() - first), cap);
    } else {
        const auto lead = std::min(fracPart.find_first_not_of('0'), fracPart.size());
        magnitude = -std::min<std::int64_t>(static_cast<std::int64_t>(lead), cap);
    }
    std::int64_t power = 0;
    const bool negativePower = !exponent.empty() && exponent.front() == '-';
    for (const char c : exponent) {
        if (IsDigit(c)) {
            power = std::min<std::int64_t>(power * 10 + (c - '0'), cap);
        }
    }
    return magnitude + (negativePower ? -power : power) > 0;
}

struct Decoded {
    char32_t codePoint;
    std::size_t size;
};

// One character from the front of non-empty text.
Decoded DecodeFirst(std::string_view text) {
    constexpr Decoded malformed{U'\uFFFD', 1};
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t size = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        size = 2;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        size = 3;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        size = 4;
        minimum = 0x10000;
    } else {
        return malformed;
    }
    if (text.size() < size) {
        return malformed;
    }
    char32_t code = lead & (0x7Fu >> size);
    for (std::size_t i = 1; i < size; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) {
            return malformed;
        }
        code = (code << 6) | (next & 0x3Fu);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return malformed;
    }
    return {code, size};
}

} // namespace

double Val(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    const std::size_t intDigits = CountDigits(text, i);
    i += intDigits;
    std::size_t fracDigits = 0;
    if (i < text.size() && text[i] == '.') {
        fracDigits = CountDigits(text, i + 1);
        if (intDigits > 0 || fracDigits > 0) {
            i += 1 + fracDigits;
        }
    }
    if (intDigits == 0 && fracDigits == 0) {
        return 0.0;
    }
    const std::size_t mantissaEnd = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (const std::size_t expDigits = CountDigits(text, j); expDigits > 0) {
            i = j + expDigits;
        }
    }

    double value = 0.0;
    const char* first = text.data() + start;
    if (std::from_chars(first, text.data() + i, value, std::chars_format::general).ec ==
        std::errc::result_out_of_range) {
        const auto intPart = text.substr(start, intDigits);
        const auto fracPart = fracDigits > 0 ? text.substr(start + intDigits + 1, fracDigits) : std::string_view{};
        const auto exponent = mantissaEnd < i ? text.substr(mantissaEnd + 1, i - mantissaEnd - 1) : std::string_view{};
        const bool huge = IsHuge(intPart, fracPart, exponent);
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::string Str(std::int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string Format(double value, std::string_view pattern) {
    if (pattern != "##0") {
        throw std::invalid_argument("Format: unsupported pattern \"" + std::string(pattern) + "\"");
    }
    if (std::isnan(value)) {
        return "nan";
    }
    double whole = std::round(value);
    if (whole == 0.0) {
        whole = 0.0; // drops the sign of -0 and of small negatives
    }
    // Integral doubles print exactly with precision 0; the longest is 309 digits.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, whole, std::chars_format::fixed, 0);
    return std::string(buffer, result.ptr);
}

std::int64_t Len(std::string_view text) {
    std::int64_t count = 0;
    while (!text.empty()) {
        text.remove_prefix(DecodeFirst(text).size);
        ++count;
    }
    return count;
}

std::string Chr(std::int64_t codePoint) {
    if (codePoint < 0 || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return {};
    }
    const auto code = static_cast<std::uint32_t>(codePoint);
    const auto byte = [](std::uint32_t bits) { return static_cast<char>(static_cast<unsigned char>(bits)); };
    if (code < 0x80) {
        return std::string(1, byte(code));
    }
    if (code < 0x800) {
        return {byte(0xC0 | (code >> 6)), byte(0x80 | (code & 0x3F))};
    }
    if (code < 0x10000) {
        return {byte(0xE0 | (code >> 12)), byte(0x80 | ((code >> 6) & 0x3F)), byte(0x80 | (code & 0x3F))};
    }
    return {byte(0xF0 | (code >> 18)), byte(0x80 | ((code >> 12) & 0x3F)), byte(0x80 | ((code >> 6) & 0x3F)),
            byte(0x80 | (code & 0x3F))};
}

std::int64_t Asc(std::string_view text) {
    if (text.empty()) {
        return -1;
    }
    return static_cast<std::int64_t>(DecodeFirst(text).codePoint);
}

} // namespace core
