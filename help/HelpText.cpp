// The help text. The paragraphs are kept one per entry so each reads as written; the title, the
// rights notice and the citation take the program's name, version, authors and year from the
// version data. They are joined with carriage returns on first use.
#include "help/HelpText.h"

#include "core/TextServices.h"
#include "windows/Version.h"

#include <array>
#include <string>

namespace kestrow {
namespace {

constexpr int kBulletCount = 94;
constexpr const char* kBullet = "\u2022";
// Where the program is published from, for the citation.
constexpr const char* kPlace = "Exeter";

std::string Separator() {
    std::string row;
    for (int b = 0; b < kBulletCount; ++b) row += kBullet;
    return row;
}

std::string RightsNotice() {
    return std::string("Copyright © ") + kCopyrightYear + " " + kAuthor +
           ".  All rights reserved.  This program may be copied and given away freely, provided that it is "
           "passed on complete and unchanged; it may not be sold, nor included in anything that is sold.";
}

std::string Citation() {
    return std::string("Reference as: ") + kAuthor + " (" + kCopyrightYear + "). " + kDisplayName + " (Version " +
           kShortVersion + ") [Computer software]. " + kPlace + ": " + kAuthor + ".";
}

std::string BuildHelpText() {
    const std::array<std::string, 24> paragraphs = {
        kDisplayName,
        "",
        "The urn model is one of the best-known sampling models used in probability. This program "
        "simulates such an urn. The urn holds a number of red balls and a number of green balls. One "
        "ball is drawn from the urn at random, every ball being equally likely, and its color is "
        "noted. The ball is then put back into the urn, and one or more balls of the same color are "
        "added to it. The process is repeated many times to show that small imbalances can be "
        "magnified over time.",
        "",
        "This simulation allows the user to specify several starting conditions:",
        "1. The initial number of balls in the urn (up to 100)",
        "2. The initial number of red and green balls in the urn (some combination totaling to 100)",
        "3. The number of same-colored balls to add to the urn (1-5)",
        "4. The number of times the process is repeated (1-10,000)",
        "",
        "The results of each run can be surprising. If the urn starts with 5 red balls and 5 green "
        "balls, one might expect equal numbers of both colors to result, but that expectation is "
        "wrong. On the first trial either a red or a green ball is drawn, and the urn is enriched "
        "with one more ball of that color. If the ball drawn was red, the chance of drawing red on "
        "the next trial is 6/11 instead of 5/10, and every further red draw tips the balance a "
        "little more. In this way the process can snowball. This is a self-reinforcing property "
        "that might be expressed as \"the rich get richer\". Small imbalances can be magnified over "
        "time.",
        "",
        "Mahmoud, H. M. (2009). Pólya Urn Models. Chapman & Hall/CRC.",
        "",
        "Tria, F., Loreto, V., Servedio, V. D. P. & Strogatz, S. H. (2014). The dynamics of "
        "correlated novelties. Scientific Reports, 4, 5890. https://doi.org/10.1038/srep05890",
        "",
        "Pemantle, R. (2007). A survey of random processes with reinforcement. Probability Surveys, "
        "4, 1–79. https://doi.org/10.1214/07-PS094",
        "",
        Separator(),
        RightsNotice(),
        "",
        Citation(),
        "",
        "The authors give no warranty of any kind, express or implied, for this software, including "
        "but not limited to any implied warranty of merchantability or of fitness for a particular "
        "purpose. The software must be used with care and with professional judgment about the "
        "appropriateness of its results for the question at hand. The user is expected to have the "
        "professional qualifications and skills needed to use the software and to interpret what it "
        "shows. The user bears full responsibility for any decision taken and any report written on "
        "the basis of its output. The authors accept no liability to the user or to any third party "
        "for the user's activities, nor for any damage that arises from miscalculation or from "
        "misuse of the software.",
    };
    std::string text;
    for (const std::string& paragraph : paragraphs) {
        if (&paragraph != &paragraphs.front()) text += '\r';
        text += paragraph;
    }
    return text;
}

} // namespace

const std::string& HelpText() {
    static const std::string text = BuildHelpText();
    return text;
}

std::int64_t HelpHeadingLength() {
    // The heading runs up to the first character after the carriage returns that end the title.
    const std::string& text = HelpText();
    return core::Len(std::string_view(text).substr(0, text.find_first_not_of('\r', text.find('\r'))));
}

} // namespace kestrow
