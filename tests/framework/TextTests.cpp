// Text areas: carriage-return texts round trip, user edits read back with CR, growing texts,
// the bold range of the help window's sequence, and the character limit.
#include "FrameworkTest.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace {

const char* const kHelpStart = "Kestrow\r\rThe urn model is a famous sampling model.\rMore text.";

using TextAreaTest = FrameworkTest;

} // namespace

TEST_F(TextAreaTest, TextReadsBackExactlyWhatWasSet) {
    auto& area = OpenWith({}, {}).NewControl<fw::TextArea>("area");
    for (const char* text : {"", "a", "a\r", "  Red         Green\r----\r", "\r\r", "x\r\ny", "\xE2\x80\xA2\xE2\x80\xA2"}) {
        area.SetText(text);
        EXPECT_EQ(area.Text(), text);
        EXPECT_EQ(area.Property("Value"), fw::PropertyValue(text));
    }
}

// Typed line ends read back as CR; the limit holds for typing and for setting.
TEST_F(TextAreaTest, UserEditsReadBackWithCarriageReturnsWithinTheLimit) {
    ProbeWindow& window = OpenWith({}, [](ProbeWindow& w) {
        fw::SetProperties(w.NewControl<fw::TextArea>("area"), {{"MaximumCharactersAllowed", 7}});
    });
    auto& area = window.ControlAs<fw::TextArea>("area");
    ASSERT_NO_FATAL_FAILURE(ShowActive(window));
    area.SetText("ab\rcd");
    area.SetFocus();
    QTest::keyClick(area.Widget(), Qt::Key_End, Qt::ControlModifier); // to the end of the text
    QTest::keyClick(area.Widget(), Qt::Key_Return);
    QTest::keyClicks(area.Widget(), "Zyx");
    EXPECT_EQ(area.Text(), "ab\rcd\rZ");
    area.SetText("123456789");
    EXPECT_EQ(area.Text(), "1234567");
}

TEST_F(TextAreaTest, GrowingTextMatchesAWholeSet) {
    ProbeWindow& window = OpenWith({}, {});
    auto& grown = window.NewControl<fw::TextArea>("grown");
    auto& whole = window.NewControl<fw::TextArea>("whole");
    std::string text;
    for (int line = 0; line < 50; ++line) {
        text += std::to_string(line) + "  (60%)     4 (40%)\r";
        grown.SetText(grown.Text() + std::to_string(line) + "  (60%)     4 (40%)\r");
    }
    whole.SetText(text);
    EXPECT_EQ(grown.Text(), text);
    EXPECT_EQ(grown.Editor()->document()->toRawText(), whole.Editor()->document()->toRawText());
    grown.SetText("new\r"); // not an extension: replaced
    EXPECT_EQ(grown.Editor()->document()->toRawText(), QStringLiteral("new\u2029"));
}

TEST_F(TextAreaTest, OpenAfterTheTableSetsTheBoldStartCountingLineEnds) {
    int opened = 0;
    ProbeWindow& window = OpenWith({}, [&](ProbeWindow& w) {
        auto& area = w.NewControl<fw::TextArea>("EditField1");
        fw::SetProperties(area, {{"FontName", "System"}, {"FontSize", 12.0F}, {"Value", kHelpStart}});
        area.Open.Bind([&](fw::TextArea& self) {
            ++opened;
            self.StyledText().Bold(0, 9, true);
        });
    });
    auto& area = window.ControlAs<fw::TextArea>("EditField1");
    EXPECT_EQ(opened, 1);
    auto styles = area.StyledText();
    for (int position = 0; position < 12; ++position) EXPECT_EQ(styles.IsBold(position), position < 9) << position;
    EXPECT_EQ(area.Text(), kHelpStart); // styling leaves the text alone
    EXPECT_THROW(styles.Bold(-1, 2, true), fw::OutOfBoundsException);
    EXPECT_THROW(styles.IsBold(10000), fw::OutOfBoundsException);
    styles.Bold(0, 100000, false); // clipped to the text
    EXPECT_FALSE(styles.IsBold(0));

    // A whole new text drops the styles of the old one, even when it extends it.
    styles.Bold(0, 3, true);
    area.SetText(std::string(kHelpStart) + "\rmore");
    EXPECT_FALSE(area.StyledText().IsBold(0));
}
