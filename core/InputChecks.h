// The five checks of the Calculate road. CheckInputs asks for each field's
// text in field order, converts it (Val, then truncation toward zero) and
// stops at the first failed check, which it returns with its rule's message
// (core/InputRules.h).
#pragma once

#include "core/InputRules.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace core {

struct UrnInputs {
    std::int64_t total;
    std::int64_t red;
    std::int64_t green;
    std::int64_t add;
    std::int64_t reps;

    bool operator==(const UrnInputs&) const = default;
};

struct CheckFailure {
    int number;          // which check, counted from 1 in field order
    InputField field;    // the field that gets the focus back
    std::string message; // the sentence for the message box, ending in one "\r"

    bool operator==(const CheckFailure&) const = default;
};

using CheckResult = std::variant<UrnInputs, CheckFailure>;

// textOf is asked for a field's text only when every check before it passed.
CheckResult CheckInputs(const std::function<std::string(InputField)>& textOf);

// Val of the text truncated toward zero; empty when the result is not a
// 64-bit whole number (an infinity, a NaN, or beyond the int64 range).
std::optional<std::int64_t> WholeNumber(std::string_view text);

} // namespace core
