// Checks the help text's paragraph structure, its fixed paragraphs, the required
// content of the written ones, and the credit line's form.
#include "help/HelpText.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

using kestrow::CreditLine;
using kestrow::HelpText;

std::vector<std::string> Paragraphs() {
  std::vector<std::string> out(1);
  for (char c : HelpText()) {
    if (c == '\r') out.emplace_back(); else out.back() += c;
  }
  return out;
}

// Number of code points, or -1 when the bytes are not well-formed UTF-8.
long CodePoints(const std::string& s) {
  long count = 0;
  for (std::size_t i = 0; i < s.size(); ++count) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const std::size_t len = lead < 0x80   ? 1
                            : lead < 0xC2 ? 0  // continuation byte or overlong lead
                            : lead < 0xE0 ? 2
                            : lead < 0xF0 ? 3
                            : lead < 0xF5 ? 4 : 0;
    if (len == 0 || i + len > s.size()) return -1;
    for (std::size_t k = 1; k < len; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return -1;
    i += len;
  }
  return count;
}

std::size_t Count(const std::string& s, const std::string& what) {
  std::size_t n = 0;
  for (auto at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
  return n;
}

TEST(HelpTextShape, ParagraphsAndEndsAsTheHelpWindowExpects) {
  const auto paras = Paragraphs();
  ASSERT_EQ(paras.size(), 24u);
  const std::set<std::size_t> blank = {1, 3, 9, 11, 13, 15, 17, 20, 22};
  for (std::size_t i = 0; i < paras.size(); ++i) EXPECT_EQ(paras[i].empty(), blank.count(i) == 1) << i;
  const std::string& text = HelpText();
  EXPECT_EQ(text.substr(0, 9), "Kestrow\r\r");  // the bold run
  EXPECT_TRUE(std::isupper(static_cast<unsigned char>(text[9])));
  EXPECT_EQ(text.find('\n'), std::string::npos);
  EXPECT_EQ(text.back(), '.');
  EXPECT_NEAR(static_cast<double>(CodePoints(text)), 2950.0, 250.0);  // also fails on bad UTF-8
  EXPECT_EQ(paras[18].size(), 282u);
  EXPECT_EQ(paras[21].rfind("Reference as: ", 0), 0u);
}

TEST(HelpTextShape, CreditIsOneShortLineNamingTheAuthors) {
  EXPECT_EQ(CreditLine().find_first_of("\r\n"), std::string::npos);
  EXPECT_GT(CodePoints(CreditLine()), 0);
  EXPECT_LE(CodePoints(CreditLine()), 24);  // one line at 11 pt in 147 px
  EXPECT_NE(CreditLine().find("Kestrow authors"), std::string::npos);
}

TEST(HelpTextShape, NoRealPersonOutsideTheReferences) {
  const auto paras = Paragraphs();
  for (const char* name : {"Mahmoud", "Tria", "Loreto", "Servedio", "Strogatz", "Pemantle",
                           "P\xC3\xB3lya", "Polya", "Eggenberger"}) {
    for (std::size_t i = 0; i < paras.size(); ++i) {
      const bool reference = i == 12 || i == 14 || i == 16;
      EXPECT_TRUE(reference || paras[i].find(name) == std::string::npos) << name << " in " << i;
    }
    EXPECT_EQ(CreditLine().find(name), std::string::npos) << name;
  }
}

std::string Bullets() {
  std::string s;
  for (int i = 0; i < 94; ++i) s += "\xE2\x80\xA2";
  return s;
}

struct Fixed { std::size_t index; std::string text; };
void PrintTo(const Fixed& f, std::ostream* os) { *os << "paragraph " << f.index; }
class HelpTextFixed : public testing::TestWithParam<Fixed> {};

TEST_P(HelpTextFixed, StandsExactly) { EXPECT_EQ(Paragraphs().at(GetParam().index), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Paragraphs, HelpTextFixed, testing::Values(
    Fixed{0, "Kestrow"},
    Fixed{4, "This simulation allows the user to specify several starting conditions:"},
    Fixed{5, "1. The initial number of balls in the urn (up to 100)"},
    Fixed{6, "2. The initial number of red and green balls in the urn (some combination totaling to 100)"},
    Fixed{7, "3. The number of same-colored balls to add to the urn (1-5)"},
    Fixed{8, "4. The number of times the process is repeated (1-10,000)"},
    Fixed{18, Bullets()}));

struct Written {
  const char* name;
  std::size_t index;
  double approxLength;
  std::size_t sentenceBreaks;  // ". " (or ".  ") inside the paragraph; 0 when not counted
  std::vector<std::string> mustContain;
};
void PrintTo(const Written& w, std::ostream* os) { *os << w.name; }
class HelpTextWritten : public testing::TestWithParam<Written> {};

TEST_P(HelpTextWritten, CarriesItsContentNearItsLength) {
  const Written& w = GetParam();
  const std::string para = Paragraphs().at(w.index);
  EXPECT_NEAR(static_cast<double>(CodePoints(para)), w.approxLength, w.approxLength / 4);
  for (const auto& needle : w.mustContain) EXPECT_NE(para.find(needle), std::string::npos) << needle;
  if (w.sentenceBreaks > 0) {
    EXPECT_EQ(Count(para, ". "), w.sentenceBreaks);
  }
}

INSTANTIATE_TEST_SUITE_P(Paragraphs, HelpTextWritten, testing::Values(
    Written{"Description", 2, 470, 0,
            {"red balls", "green balls", "at random", "same color", "magnified over time"}},
    Written{"Example", 10, 610, 0, {"5 red", "6/11", "5/10", "snowball", "\"the rich get richer\""}},
    Written{"Book", 12, 60, 0, {"Mahmoud, H. M. (2009). P\xC3\xB3lya Urn Models."}},
    Written{"FourAuthors", 14, 160, 0,
            {"Tria, F., Loreto, V., Servedio, V. D. P. & Strogatz, S. H. (2014)."}},
    Written{"OneAuthor", 16, 120, 0,
            {"Pemantle, R. (2007).", "Probability Surveys, 4, 1\xE2\x80\x93" "79."}},
    Written{"Rights", 19, 225, 2, {"2026 the Kestrow authors.  All rights reserved.  "}},
    Written{"Citation", 21, 105, 0, {"the Kestrow authors (2026)", "[Computer software]"}},
    Written{"Disclaimer", 23, 750, 4, {"no warranty", "merchantability", "professional judgment",
                                       "full responsibility", "no liability", "third party"}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
