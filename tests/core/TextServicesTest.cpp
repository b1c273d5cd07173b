// Val, Format, Len, Chr and Asc against known answers, grouped by answer. The fuzz target compares
// Format with a plain reference for any number; the rows here are the halves.
#include "core/TextServices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

using namespace core;

static constexpr double inf = std::numeric_limits<double>::infinity();

TEST(TextServices, ValReadsTheLongestNumberAtTheStart) {
    const auto reads = [](double value, std::initializer_list<std::string> texts) {
        for (const std::string& text : texts) EXPECT_EQ(Val(text), value) << text;
    };
    reads(0, {"", "   ", "abc", "-", ".", "-.", "e5", "+-3", "- 3", "inf", "nan", "0x1p3", "\u00A05", "1e-999",
              "12345e-400", "0." + std::string(400, '0') + "1e50"});
    reads(42, {"42", "\t\r\n 42", "+42", "42abc"});
    reads(1, {"1e", "1e+", "1,000"});
    reads(inf, {"1e999", "1e99999999999999999999999", "0.01e311", std::string(500, '1') + "e-100"});
    const std::pair<const char*, double> rows[] = {
        {"007", 7},   {"-42", -42},     {"4 2", 4},           {"2.9", 2.9},           {".5", 0.5},
        {"5.", 5},    {"5.e2", 500},    {"1E+2", 100},        {"25e-1", 2.5},         {"1.2.3", 1.2},
        {"0.1", 0.1}, {"-1e999", -inf}, {"0.001e311", 1e308}, {"4.9e-324", 4.9e-324}, {"99999999999999999999", 1e20},
    };
    for (const auto& [text, value] : rows) reads(value, {text});
    EXPECT_TRUE(std::signbit(Val("-0")));
}

TEST(TextServices, FormatRoundsHalvesAwayFromZero) {
    const std::pair<double, std::string> rows[] = {
        {0.5, "1"}, {-0.5, "-1"}, {12.5, "13"}, {87.5, "88"}, {42.5, "43"}, {57.49999999999999, "57"}, {99.5, "100"},
    };
    for (const auto& [value, text] : rows) EXPECT_EQ(Format(value, "##0"), text) << value;
    for (const char* pattern : {"", "0", "##0.0", "##0 "}) EXPECT_THROW(Format(1, pattern), std::invalid_argument);
}

TEST(TextServices, CharactersAreUtf8CodePoints) {
    const std::tuple<const char*, std::int64_t, std::int64_t> rows[] = {
        {"", 0, -1}, {"\r", 1, 13}, {"\xC3\xA9t\xC3\xA9", 3, 0xE9}, {"\xF0\x9F\x8E\xB2x", 2, 0x1F3B2}};
    for (const auto& [text, length, first] : rows) {
        EXPECT_EQ(Len(text), length) << text;
        EXPECT_EQ(Asc(text), first) << text;
    }
    // Malformed: each byte counts as one character, and the first reads as U+FFFD.
    for (const std::string text : {"\x80", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82"}) {
        EXPECT_EQ(Len(text), static_cast<std::int64_t>(text.size())) << text;
        EXPECT_EQ(Asc(text), 0xFFFD) << text;
    }
    for (const std::int64_t code : {0L, 0x7FL, 0x80L, 0x7FFL, 0x800L, 0xFFFFL, 0x10000L, 0x10FFFFL}) {
        EXPECT_EQ(Len(Chr(code)), 1) << code;
        EXPECT_EQ(Asc(Chr(code)), code);
    }
    EXPECT_EQ(Chr(13) + Chr(-1) + Chr(0xD800) + Chr(0x110000), "\r");
}
