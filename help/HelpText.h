// Fixed texts of the program: the help window's text and the one-line credit.
// Both are UTF-8 constants built once on first use; callers only read them.
#pragma once

#include <string>

namespace kestrow {

// The help window's text: 24 paragraphs joined by carriage returns ("\r"),
// with no line feed anywhere. It starts with the title line "Kestrow" and an
// empty paragraph, which the help window sets in bold (its first 9 characters).
const std::string& HelpText();

// The one-line credit shown under the About window's picture, beside the
// experiment window's title and handed over as the application's long version.
// Kept short enough for one line of 11-point text in 147 pixels.
const std::string& CreditLine();

}  // namespace kestrow
