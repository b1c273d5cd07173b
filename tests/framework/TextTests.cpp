// Text areas: carriage-return texts round trip, user edits read back with CR, and the character
// limit holds for typing and for setting.
#include "FrameworkTest.h"

using TextAreaTest = FrameworkTest;

TEST_F(TextAreaTest, TextReadsBackExactlyWhatWasSet) {
    auto& area = OpenWith({}, {}).NewControl<fw::TextArea>("area");
    for (const char* text :
         {"", "a", "a\r", "  Red         Green\r----\r", "\r\r", "x\r\ny", "\xE2\x80\xA2\xE2\x80\xA2"}) {
        area.SetText(text);
        EXPECT_EQ(area.Text(), text);
        EXPECT_EQ(area.Property("Value"), fw::PropertyValue(text));
    }
}

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
