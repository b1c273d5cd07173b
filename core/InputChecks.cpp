// Checks run in a fixed order; a value that is no 64-bit whole number fails
// its check like any other value out of range.
#include "core/InputChecks.h"

#include "core/TextServices.h"

#include <array>
#include <cmath>

namespace core {

namespace {

constexpr std::array<std::string_view, 5> messages{
    "The total number of balls can range from 2-100.\r",
    "The number of red balls can range from 1-99.\r",
    "The number of green balls can range from 1-99 but red + green must equal the total number of balls\r",
    "The number of balls to add  on each trial can range from 0-10.\r",
    "The number of repetitions can range from 1-10,000.\r",
};

CheckFailure Fail(InputField field) {
    const auto index = static_cast<std::size_t>(field);
    return {static_cast<int>(index) + 1, field, std::string(messages[index])};
}

// The field's whole number when it lies within [lo, hi].
std::optional<std::int64_t> ReadWithin(const std::function<std::string(InputField)>& textOf, InputField field,
                                       std::int64_t lo, std::int64_t hi) {
    const auto value = WholeNumber(textOf(field));
    if (!value || *value < lo || *value > hi) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<std::int64_t> WholeNumber(std::string_view text) {
    const double whole = std::trunc(Val(text));
    // Both bounds are exact powers of two; NaN fails both comparisons.
    constexpr double limit = 9223372036854775808.0;
    if (!(whole >= -limit && whole < limit)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(whole);
}

CheckResult CheckInputs(const std::function<std::string(InputField)>& textOf) {
    const auto total = ReadWithin(textOf, InputField::Total, 2, 100);
    if (!total) {
        return Fail(InputField::Total);
    }
    const auto red = ReadWithin(textOf, InputField::Red, 1, 99);
    if (!red) {
        return Fail(InputField::Red);
    }
    const auto green = ReadWithin(textOf, InputField::Green, 1, 99);
    if (!green || *red + *green != *total) {
        return Fail(InputField::Green);
    }
    const auto add = ReadWithin(textOf, InputField::Add, 0, 10);
    if (!add) {
        return Fail(InputField::Add);
    }
    const auto reps = ReadWithin(textOf, InputField::Repeat, 1, 10'000);
    if (!reps) {
        return Fail(InputField::Repeat);
    }
    return UrnInputs{*total, *red, *green, *add, *reps};
}

}  // namespace core
