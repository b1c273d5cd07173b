// The help window's text: a UTF-8 constant built once on first use; callers only read it.
#pragma once

#include <cstdint>
#include <string>

namespace kestrow {

// The help window's text: paragraphs joined by carriage returns ("\r"), with no line feed
// anywhere. It opens with its heading: the title line and an empty paragraph.
const std::string& HelpText();

// The heading's length in characters, both carriage returns included: the run the help window
// sets in bold.
std::int64_t HelpHeadingLength();

} // namespace kestrow
