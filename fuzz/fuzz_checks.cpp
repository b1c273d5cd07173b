// Fuzzes the text-to-number road and the text it ends in. The input is split at '|' into the five
// field texts (missing ones are empty). Invariants: Val and the checks never crash, a pass lies
// within every range, a failure is one of the five with its own message, and fields are read in
// order up to the first failure. Format and the trial line equal the plain references below, for
// the numbers the texts read as (the red and green fields as counts) and the input's first 8 bytes.
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
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

bool Within(std::int64_t value, std::int64_t lo, std::int64_t hi) { return value >= lo && value <= hi; }

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
    if (const auto* numbers = std::get_if<core::UrnInputs>(&result)) {
        Require(asked.size() == 5);
        Require(Within(numbers->total, 2, 100) && Within(numbers->red, 1, 99) && Within(numbers->green, 1, 99));
        Require(numbers->red + numbers->green == numbers->total);
        Require(Within(numbers->add, 0, 10) && Within(numbers->reps, 1, 10'000));
    } else {
        const auto& failure = std::get<core::CheckFailure>(result);
        Require(Within(failure.number, 1, 5) && asked.size() == static_cast<std::size_t>(failure.number));
        Require(failure.field == asked.back());
        Require(failure.message.size() > 40 && failure.message.back() == '\r');
    }
    return 0;
}
