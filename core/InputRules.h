// The five inputs' rules: for each field, the lowest and highest value allowed and the message shown
// when its value breaks the rule. The checks of the Calculate road (CheckInputs) and the
// experiment's guard on its inputs (RunExperiment) both read them from here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace core {

// The input fields, in the order in which they are read and checked.
enum class InputField { Total, Red, Green, Add, Repeat };

struct InputRule {
    InputField field;
    std::int64_t lowest;
    std::int64_t highest;
    std::string_view message; // the sentence for the message box, ending in one "\r"
};

// In field order. The green rule also needs red + green to make the total, which CheckInputs adds.
inline constexpr std::array<InputRule, 5> kInputRules{{
    {
        .field = InputField::Total,
        .lowest = 2,
        .highest = 100,
        .message = "The total number of balls can range from 2-100.\r",
    },
    {
        .field = InputField::Red,
        .lowest = 1,
        .highest = 99,
        .message = "The number of red balls can range from 1-99.\r",
    },
    {
        .field = InputField::Green,
        .lowest = 1,
        .highest = 99,
        .message = "The number of green balls can range from 1-99 but red + green must equal the total number of "
                   "balls\r",
    },
    {
        .field = InputField::Add,
        .lowest = 0,
        .highest = 10,
        .message = "The number of balls to add  on each trial can range from 0-10.\r",
    },
    {
        .field = InputField::Repeat,
        .lowest = 1,
        .highest = 10'000,
        .message = "The number of repetitions can range from 1-10,000.\r",
    },
}};

constexpr const InputRule& RuleOf(InputField field) { return kInputRules[static_cast<std::size_t>(field)]; }

// Whether the value lies within the field's range.
constexpr bool Allows(InputField field, std::int64_t value) {
    return value >= RuleOf(field).lowest && value <= RuleOf(field).highest;
}

constexpr bool ListedInFieldOrder() {
    for (std::size_t i = 0; i < kInputRules.size(); ++i) {
        if (static_cast<std::size_t>(kInputRules[i].field) != i) return false;
    }
    return true;
}
static_assert(ListedInFieldOrder(), "RuleOf finds a field's rule by its place");

} // namespace core
