// The help window's text: a UTF-8 constant built once on first use; callers only read it.
#pragma once

#include <string>

namespace kestrow {

// The help window's text: 24 paragraphs joined by carriage returns ("\r"),
// with no line feed anywhere. It starts with the title line "Kestrow" and an
// empty paragraph, which the help window sets in bold (its first 9 characters).
const std::string& HelpText();

} // namespace kestrow
