// The trial line is written straight into a small stack buffer and appended
// once; shares are rounded without a library call but exactly as Format's
// "##0" does (halves away from zero) for values from 0 to 100.
#include "core/UrnExperiment.h"

#include "core/InputRules.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace core {

namespace {

constexpr std::size_t kLineBufferSize = 64;

// (part / all) * 100 in double, in that order, rounded to a whole number; then "%)".
char* WriteShare(char* out, std::int64_t part, std::int64_t all) {
    const double share = (static_cast<double>(part) / static_cast<double>(all)) * 100.0;
    auto whole = static_cast<int>(share);
    if (share - whole >= 0.5) { // exact: a double minus its integer part loses nothing
        ++whole;
    }
    if (whole >= 100) {
        std::memcpy(out, "100", 3);
        out += 3;
    } else {
        if (whole >= 10) {
            *out++ = static_cast<char>('0' + whole / 10);
        }
        *out++ = static_cast<char>('0' + whole % 10);
    }
    std::memcpy(out, "%)", 2);
    return out + 2;
}

// Needs 0 <= red, green and 0 < red + green without overflow; writes at most kLineBufferSize bytes.
char* WriteTrialLine(char* out, std::int64_t red, std::int64_t green) {
    const std::int64_t all = red + green;
    char* const redEnd = std::to_chars(out, out + 20, red).ptr;
    const bool oneDigit = redEnd - out == 1;
    out = redEnd;
    if (oneDigit) {
        *out++ = ' ';
    }
    std::memcpy(out, " (", 2);
    out = WriteShare(out + 2, red, all);
    std::memcpy(out, "     ", 5);
    out = std::to_chars(out + 5, out + 25, green).ptr;
    std::memcpy(out, " (", 2);
    out = WriteShare(out + 2, green, all);
    *out++ = '\r';
    return out;
}

} // namespace

std::string TrialLine(std::int64_t red, std::int64_t green) {
    if (red < 0 || green < 0 || red > std::numeric_limits<std::int64_t>::max() - green || red + green == 0) {
        throw std::invalid_argument("TrialLine: counts must be non-negative with at least one ball");
    }
    char line[kLineBufferSize];
    return std::string(line, WriteTrialLine(line, red, green));
}

std::string RunExperiment(const UrnInputs& inputs, ChanceSource& chance, const std::function<void()>& yield) {
    if (!Allows(InputField::Red, inputs.red) || !Allows(InputField::Green, inputs.green) ||
        !Allows(InputField::Add, inputs.add) || !Allows(InputField::Repeat, inputs.reps)) {
        throw std::invalid_argument("RunExperiment: inputs outside the checked ranges");
    }
    std::string text;
    text.reserve(kResultsHeader.size() + kMaxTrialLineSize * static_cast<std::size_t>(inputs.reps));
    text.append(kResultsHeader);

    std::int64_t red = inputs.red;
    std::int64_t green = inputs.green;
    char line[kLineBufferSize];
    for (std::int64_t trial = 0; trial < inputs.reps; ++trial) {
        const std::int64_t all = red + green;
        const std::int64_t k = chance.InRange(1, all);
        if (k < 1 || k > all) {
            throw std::out_of_range("RunExperiment: chance source answered outside 1..N");
        }
        text.append(line, WriteTrialLine(line, red, green));
        if (k <= red) {
            red += inputs.add;
        } else {
            green += inputs.add;
        }
        if (yield) {
            yield();
        }
    }
    return text;
}

} // namespace core
