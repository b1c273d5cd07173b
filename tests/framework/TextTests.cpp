// Text areas: carriage-return texts round trip, user edits read back with CR, the character
// limit holds for typing and for setting, and Tab writes a tab only where tabs are allowed.
#include "FrameworkTest.h"

#include <QApplication>

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

namespace {

// Without AllowTabs, Tab and Shift+Tab move the focus, or do nothing where there is nowhere to go.
struct TabCase {
    const char* name;
    bool allowTabs;
    bool fieldAfter; // a text field follows the area in the window
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* after;
    bool areaKeepsFocus;
};
void PrintTo(const TabCase& c, std::ostream* out) { *out << c.name; }

class TabKeyTest : public FrameworkTest, public ::testing::WithParamInterface<TabCase> {};

TEST_P(TabKeyTest, WritesATabOnlyWhereTabsAreAllowed) {
    const TabCase& c = GetParam();
    ProbeWindow& window = OpenWith({}, [&c](ProbeWindow& w) {
        fw::SetProperties(w.NewControl<fw::TextArea>("area"), {{"AllowTabs", c.allowTabs}, {"Value", "Kestrow"}});
        if (c.fieldAfter) w.NewControl<fw::TextField>("field");
    });
    auto& area = window.ControlAs<fw::TextArea>("area");
    ASSERT_NO_FATAL_FAILURE(ShowActive(window));
    area.SetFocus();
    QTest::keyClick(area.Widget(), Qt::Key_Home, Qt::ControlModifier);
    // Both keys with the tab character as their text, which Qt would write (X gives it to Tab).
    QTest::sendKeyEvent(QTest::Click, area.Widget(), c.key, QStringLiteral("\t"), c.modifiers);
    EXPECT_EQ(area.Text(), c.after);
    EXPECT_EQ(QApplication::focusWidget() == area.Widget(), c.areaKeepsFocus);
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, TabKeyTest,
    ::testing::Values(TabCase{"AloneInItsWindow", false, false, Qt::Key_Tab, Qt::NoModifier, "Kestrow", true},
                      TabCase{"ShiftTabAloneInItsWindow", false, false, Qt::Key_Backtab, Qt::ShiftModifier, "Kestrow",
                              true},
                      TabCase{"BeforeAField", false, true, Qt::Key_Tab, Qt::NoModifier, "Kestrow", false},
                      TabCase{"Allowed", true, true, Qt::Key_Tab, Qt::NoModifier, "\tKestrow", true}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
