// The reinforced two-colour urn and its results text. RunExperiment draws one
// ball per trial from the chance source (asked with 1 and N; the ball is red
// when k <= R), grows the drawn colour by `add`, and writes one line per trial
// from the counts before that draw, after two header lines. Every line ends in
// one "\r"; the whole text is built once in a buffer reserved ahead.
#pragma once

#include "core/ChanceSource.h"
#include "core/InputChecks.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace core {

// The two header lines with their line ends.
inline constexpr std::string_view kResultsHeader = "  Red         Green\r----------------------\r";

// The longest trial line that validated inputs can produce, line end included.
inline constexpr std::size_t kMaxTrialLineSize = 28;

// The whole results text. `inputs` must lie within the ranges the checks allow
// (total is not used); otherwise std::invalid_argument. A chance source that
// answers outside 1..N raises std::out_of_range. `yield`, when set, is called
// once at the end of every trial.
std::string RunExperiment(const UrnInputs& inputs, ChanceSource& chance, const std::function<void()>& yield = {});

// One trial line, "\r" included, for red and green counts before a draw:
// both at least 0, at least one ball in all. Otherwise std::invalid_argument.
std::string TrialLine(std::int64_t red, std::int64_t green);

} // namespace core
