// Fuzzes the text-to-number road and the text it ends in. The input is split at '|' into the five
// field texts (missing ones are empty). A reference of the five rules, written apart from core/,
// reads each text by Val's grammar (leading blanks, a sign, digits with a decimal point, an
// exponent) and truncates it toward zero, then decides whether the five pass or which check fails
// first. Val must truncate to what the reference reads, and the checks must give exactly its
// verdict: the same five numbers, or the same check, field and message, the fields read in order up
// to it. The reference abstains on a text whose fraction begins with nine nines, where a double's
// rounding may reach the next whole number; then only the checks before that field are known.
// Format and the trial line equal plain references too, for the numbers the texts read as (the red
// and green fields as counts) and the input's first 8 bytes.
#include "core/InputChecks.h"
#include "core/TextServices.h"
#include "core/UrnExperiment.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// What a text reads as, truncated toward zero: a whole number below a million in magnitude, exact;
// a million or more; or unsure.
struct Reading {
    enum Kind { Whole, Huge, Unsure } kind;
    std::int64_t whole = 0;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

Reading Read(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::string_view(" \t\r\n\v\f").find(text[i]) != std::string_view::npos) ++i;
    const bool minus = i < text.size() && text[i] == '-';
    if (i < text.size() && (minus || text[i] == '+')) ++i;
    std::string digits; // of the mantissa, without its point
    for (; i < text.size() && IsDigit(text[i]); ++i) digits += text[i];
    std::int64_t point = static_cast<std::int64_t>(digits.size()); // digits before the point
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) digits += text[i];
    }
    if (digits.empty()) return {Reading::Whole};
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        const bool down = j < text.size() && text[j] == '-';
        if (j < text.size() && (down || text[j] == '+')) ++j;
        std::int64_t power = 0; // no digits: no exponent
        for (; j < text.size() && IsDigit(text[j]); ++j)
            power = std::min<std::int64_t>(power * 10 + text[j] - '0', 1'000'000'000);
        point += down ? -power : power;
    }
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return {Reading::Whole};
    if (point - static_cast<std::int64_t>(first) > 6) return {Reading::Huge};
    const auto at = [&](std::int64_t k) {
        return k >= 0 && k < static_cast<std::int64_t>(digits.size()) ? digits[static_cast<std::size_t>(k)] : '0';
    };
    std::int64_t whole = 0;
    for (auto k = static_cast<std::int64_t>(first); k < point; ++k) whole = whole * 10 + (at(k) - '0');
    bool nines = true;
    for (std::int64_t k = point; k < point + 9; ++k) nines = nines && at(k) == '9';
    if (nines) return {Reading::Unsure};
    return {Reading::Whole, minus ? -whole : whole};
}

struct Rule {
    std::int64_t lowest, highest;
    std::string_view message;
};

constexpr Rule kRules[5] = {
    {2, 100, "The total number of balls can range from 2-100.\r"},
    {1, 99, "The number of red balls can range from 1-99.\r"},
    {1, 99, "The number of green balls can range from 1-99 but red + green must equal the total number of balls\r"},
    {0, 10, "The number of balls to add  on each trial can range from 0-10.\r"},
    {1, 10'000, "The number of repetitions can range from 1-10,000.\r"},
};

// The check that fails first (0: none) with the numbers read before it; or the field read as
// unsure, before which every check passed.
struct Verdict {
    int failed = 0;
    std::optional<std::size_t> unsure;
    core::UrnInputs numbers{};
};

Verdict Judge(const std::array<std::string, 5>& texts) {
    Verdict verdict;
    std::array<std::int64_t, 5> n{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const Reading reading = Read(texts[i]);
        if (reading.kind == Reading::Unsure) {
            verdict.unsure = i;
            return verdict;
        }
        n[i] = reading.whole;
        const bool passes = reading.kind == Reading::Whole && n[i] >= kRules[i].lowest && n[i] <= kRules[i].highest &&
                            (i != 2 || n[1] + n[2] == n[0]);
        if (!passes) {
            verdict.failed = static_cast<int>(i) + 1;
            return verdict;
        }
    }
    verdict.numbers = {n[0], n[1], n[2], n[3], n[4]};
    return verdict;
}

// "##0": the nearest whole number, halves away from zero, no "-0".
std::string ReferenceFormat(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    const double magnitude = std::fabs(value);
    double whole = std::floor(magnitude);
    if (magnitude - whole >= 0.5) { // exact: the fraction of a double is a double
        whole += 1.0;
    }
    if (whole == 0.0) return "0";
    char digits[400]; // an integral double prints exactly; the longest has 309 digits
    std::snprintf(digits, sizeof digits, "%.0f", whole);
    return (value < 0 ? "-" : "") + std::string(digits);
}

std::string ReferenceShare(std::int64_t part, std::int64_t all) {
    return ReferenceFormat((static_cast<double>(part) / static_cast<double>(all)) * 100.0) + "%)";
}

// Counts the trial line refuses throw; the others give the reference line.
void CheckTrialLine(std::int64_t red, std::int64_t green) {
    const bool valid =
        red >= 0 && green >= 0 && red <= std::numeric_limits<std::int64_t>::max() - green && red + green > 0;
    try {
        const std::string line = core::TrialLine(red, green);
        const std::string redText = std::to_string(red);
        Require(valid && line == redText + (redText.size() == 1 ? "  (" : " (") + ReferenceShare(red, red + green) +
                                     "     " + std::to_string(green) + " (" + ReferenceShare(green, red + green) +
                                     "\r");
    } catch (const std::invalid_argument&) {
        Require(!valid);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::array<std::string, 5> texts;
    std::size_t field = 0;
    for (const char c : input) {
        if (c == '|') {
            field = std::min<std::size_t>(field + 1, texts.size() - 1);
        } else {
            texts[field] += c;
        }
    }

    std::array<double, 5> values{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string& text = texts[i];
        const double value = core::Val(text);
        values[i] = value;
        Require(!std::isnan(value));
        Require(core::Val(text + "x") == value); // nothing after the number counts
        const Reading reading = Read(text);
        Require(reading.kind != Reading::Whole || std::trunc(value) == static_cast<double>(reading.whole));
        Require(reading.kind != Reading::Huge || !(std::fabs(value) < 1e6));
        if (!text.empty() && text.size() <= 15 && text.find_first_not_of("0123456789") == std::string::npos) {
            Require(value == static_cast<double>(std::stoll(text)));
        }
        const std::int64_t length = core::Len(text);
        Require(length >= 0 && static_cast<std::size_t>(length) <= text.size());
        Require((length == 0) == (core::Asc(text) == -1));
        Require(core::Format(value, "##0") == ReferenceFormat(value));
    }

    // The red and green fields as counts, whenever they convert.
    if (std::fabs(values[1]) < 0x1p63 && std::fabs(values[2]) < 0x1p63) {
        CheckTrialLine(static_cast<std::int64_t>(values[1]), static_cast<std::int64_t>(values[2]));
    }
    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        Require(core::Format(raw, "##0") == ReferenceFormat(raw));
    }

    std::vector<core::InputField> asked;
    const auto result = core::CheckInputs([&](core::InputField which) {
        asked.push_back(which);
        return texts[static_cast<std::size_t>(which)];
    });
    for (std::size_t i = 0; i < asked.size(); ++i) Require(asked[i] == static_cast<core::InputField>(i));
    const Verdict want = Judge(texts);
    const auto* numbers = std::get_if<core::UrnInputs>(&result);
    const auto* failure = std::get_if<core::CheckFailure>(&result);
    if (want.unsure) {
        Require(asked.size() > *want.unsure &&
                (numbers != nullptr || failure->number > static_cast<int>(*want.unsure)));
    } else if (want.failed == 0) {
        Require(numbers != nullptr && *numbers == want.numbers && asked.size() == 5);
    } else {
        Require(failure != nullptr && failure->number == want.failed &&
                asked.size() == static_cast<std::size_t>(want.failed));
        Require(failure->field == static_cast<core::InputField>(want.failed - 1));
        Require(failure->message == kRules[want.failed - 1].message);
    }
    return 0;
}
