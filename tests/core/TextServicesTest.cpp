// Val, Str, Format, Len, Chr and Asc against tables of known answers.
#include "core/TextServices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

using namespace core;

static constexpr double inf = std::numeric_limits<double>::infinity();

TEST(TextServices, ValReadsTheLongestNumberAtTheStart) {
    const std::pair<std::string, double> rows[] = {
        {"", 0},
        {"   ", 0},
        {"abc", 0},
        {"-", 0},
        {".", 0},
        {"-.", 0},
        {"e5", 0},
        {"+-3", 0},
        {"- 3", 0},
        {"42", 42},
        {"007", 7},
        {"\t\r\n 42", 42},
        {"+42", 42},
        {"-42", -42},
        {"42abc", 42},
        {"4 2", 4},
        {"2.9", 2.9},
        {".5", 0.5},
        {"5.", 5},
        {"5.e2", 500},
        {"1E+2", 100},
        {"25e-1", 2.5},
        {"1e", 1},
        {"1e+", 1},
        {"1.2.3", 1.2},
        {"1,000", 1},
        {"inf", 0},
        {"nan", 0},
        {"0x1p3", 0},
        {"\xC2\xA0"
         "5",
         0},
        {"0.1", 0.1},
        {"1e999", inf},
        {"-1e999", -inf},
        {"99999999999999999999", 1e20},
        {"1e-999", 0},
        {"12345e-400", 0},
        {"1e99999999999999999999999", inf},
        {"0.01e311", inf},
        {"0.001e311", 1e308},
        {"4.9e-324", 4.9e-324},
        {std::string(500, '1') + "e-100", inf},
        {"0." + std::string(400, '0') + "1e50", 0},
    };
    for (const auto& [text, value] : rows) {
        EXPECT_EQ(Val(text), value) << text;
    }
    EXPECT_TRUE(std::signbit(Val("-0")));
}

TEST(TextServices, FormatRoundsHalvesAwayFromZero) {
    const std::pair<double, std::string> rows[] = {
        {-0.0, "0"},
        {-0.4, "0"},
        {0.4999999999999999, "0"},
        {0.5, "1"},
        {-0.5, "-1"},
        {12.5, "13"},
        {87.5, "88"},
        {42.5, "43"},
        {57.49999999999999, "57"},
        {99.5, "100"},
        {1e20, "100000000000000000000"},
        {-inf, "-inf"},
        {std::nan(""), "nan"},
    };
    for (const auto& [value, text] : rows) {
        EXPECT_EQ(Format(value, "##0"), text) << value;
    }
    for (const char* pattern : {"", "0", "##0.0", "##0 "}) {
        EXPECT_THROW(Format(1, pattern), std::invalid_argument) << pattern;
    }
}

TEST(TextServices, CharactersAreUtf8CodePoints) {
    struct Row {
        const char* text;
        std::int64_t length, first;
    };
    const Row rows[] = {
        {"", 0, -1},
        {"\r", 1, 13},
        {"\xC3\xA9t\xC3\xA9", 3, 0xE9},
        {"\xF0\x9F\x8E\xB2x", 2, 0x1F3B2},
        {"\x80", 1, 0xFFFD},
        {"\xC0\xAF", 2, 0xFFFD},
        {"\xED\xA0\x80", 3, 0xFFFD},
        {"\xF4\x90\x80\x80", 4, 0xFFFD},
        {"\xE2\x82", 2, 0xFFFD},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Len(row.text), row.length) << row.text;
        EXPECT_EQ(Asc(row.text), row.first) << row.text;
    }
    for (const std::int64_t code : {0L, 0x7FL, 0x80L, 0x7FFL, 0x800L, 0xFFFFL, 0x10000L, 0x10FFFFL}) {
        EXPECT_EQ(Len(Chr(code)), 1) << code;
        EXPECT_EQ(Asc(Chr(code)), code);
    }
    EXPECT_EQ(Chr(13) + Chr(-1) + Chr(0xD800) + Chr(0x110000), "\r");
}
