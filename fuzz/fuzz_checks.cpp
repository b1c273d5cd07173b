// Fuzzes the text-to-number road: the input is split at '|' into the five
// field texts (missing ones are empty). Invariants: Val and the checks never
// crash, a pass lies within every range, a failure is one of the five with its
// own message, and fields are read in order up to the first failure.
#include "core/InputChecks.h"
#include "core/TextServices.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool Within(std::int64_t value, std::int64_t lo, std::int64_t hi) {
    return value >= lo && value <= hi;
}

}  // namespace

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

    for (const auto& text : texts) {
        const double value = core::Val(text);
        Require(!std::isnan(value));
        Require(core::Val(text + "x") == value);  // nothing after the number counts
        if (!text.empty() && text.size() <= 15 && text.find_first_not_of("0123456789") == std::string::npos) {
            Require(value == static_cast<double>(std::stoll(text)));
        }
        const std::int64_t length = core::Len(text);
        Require(length >= 0 && static_cast<std::size_t>(length) <= text.size());
        Require((length == 0) == (core::Asc(text) == -1));
    }

    std::vector<core::InputField> asked;
    const auto result = core::CheckInputs([&](core::InputField which) {
        asked.push_back(which);
        return texts[static_cast<std::size_t>(which)];
    });
    for (std::size_t i = 0; i < asked.size(); ++i) {
        Require(asked[i] == static_cast<core::InputField>(i));
    }
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
