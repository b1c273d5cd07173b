// The help text's paragraph structure as the help window expects it.
#include "help/HelpText.h"
#include "core/TextServices.h"

#include <QString>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using kestrow::HelpText;

std::vector<std::string> Paragraphs() {
    std::vector<std::string> out(1);
    for (char c : HelpText()) {
        if (c == '\r')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

TEST(HelpTextShape, ParagraphsAndEndsAsTheHelpWindowExpects) {
    const auto paras = Paragraphs();
    ASSERT_EQ(paras.size(), 24u);
    const std::set<std::size_t> blank = {1, 3, 9, 11, 13, 15, 17, 20, 22};
    for (std::size_t i = 0; i < paras.size(); ++i) EXPECT_EQ(paras[i].empty(), blank.count(i) == 1) << i;
    std::string bullets;
    for (int i = 0; i < 94; ++i) bullets += "\xE2\x80\xA2";
    EXPECT_EQ(paras[18], bullets);
    const std::string& text = HelpText();
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(text.back(), '.');
    EXPECT_EQ(QString::fromUtf8(text).toUtf8().toStdString(), text); // well-formed UTF-8
    EXPECT_NEAR(static_cast<double>(core::Len(text)), 2950.0, 250.0);
    EXPECT_EQ(paras[0], "Kestrow");
    EXPECT_EQ(paras[4], "This simulation allows the user to specify several starting conditions:");
    EXPECT_EQ(paras[5], "1. The initial number of balls in the urn (up to 100)");
    EXPECT_EQ(paras[6], "2. The initial number of red and green balls in the urn (some combination totaling to 100)");
    EXPECT_EQ(paras[7], "3. The number of same-colored balls to add to the urn (1-5)");
    EXPECT_EQ(paras[8], "4. The number of times the process is repeated (1-10,000)");
    EXPECT_EQ(paras[21], "Reference as: the Kestrow authors (2026). Kestrow (Version 1.0) [Computer software]. "
                         "Exeter: the Kestrow authors.");
}

} // namespace
