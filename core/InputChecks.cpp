// Checks run in a fixed order; a value that is no 64-bit whole number fails
// its check like any other value out of range.
#include "core/InputChecks.h"

#include "core/TextServices.h"

#include <cmath>

namespace core {

namespace {

CheckFailure Fail(InputField field) { return {static_cast<int>(field) + 1, field, std::string(RuleOf(field).message)}; }

// The field's whole number when its rule allows it.
std::optional<std::int64_t> ReadWithin(const std::function<std::string(InputField)>& textOf, InputField field) {
    const auto value = WholeNumber(textOf(field));
    if (!value || !Allows(field, *value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

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
    const auto total = ReadWithin(textOf, InputField::Total);
    if (!total) {
        return Fail(InputField::Total);
    }
    const auto red = ReadWithin(textOf, InputField::Red);
    if (!red) {
        return Fail(InputField::Red);
    }
    const auto green = ReadWithin(textOf, InputField::Green);
    if (!green || *red + *green != *total) {
        return Fail(InputField::Green);
    }
    const auto add = ReadWithin(textOf, InputField::Add);
    if (!add) {
        return Fail(InputField::Add);
    }
    const auto reps = ReadWithin(textOf, InputField::Repeat);
    if (!reps) {
        return Fail(InputField::Repeat);
    }
    return UrnInputs{*total, *red, *green, *add, *reps};
}

} // namespace core
