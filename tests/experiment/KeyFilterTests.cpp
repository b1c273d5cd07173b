// Keys typed into the five fields and the results area, as real key events after "1": digits and
// the editing keys (codes 8, 9, 127, 28, 29) pass silently, a command key is left to the menus,
// every other key beeps once and is dropped; "." passes in the results area only; no key runs a
// button. Each field's length limit, typed key by key. And Clear, which empties the fields but not
// the results.
#include "ExperimentTest.h"

#include <QPlainTextEdit>

namespace {

const std::string kControls[] = {"totalFld", "redFld", "greenFld", "addFld", "repeatFld", "outFld"};

struct KeyCase {
    const char* label;
    Qt::Key key;
    const char* text; // the key's text, UTF-8
    Qt::KeyboardModifiers modifiers;
    std::string inField; // the text after the key, and the beeps, in each of the five fields
    int fieldBeeps;
    std::string inResults; // the same in the results area
    int resultsBeeps;
};

const KeyCase kKeys[] = {
    {"zero_48", Qt::Key_0, "0", {}, "10", 0, "10", 0},
    {"nine_57", Qt::Key_9, "9", {}, "19", 0, "19", 0},
    {"slash_47", Qt::Key_Slash, "/", {}, "1", 1, "1", 1},
    {"colon_58", Qt::Key_Colon, ":", {}, "1", 1, "1", 1},
    {"full_stop_46", Qt::Key_Period, ".", {}, "1", 1, "1.", 0},
    {"minus_45", Qt::Key_Minus, "-", {}, "1", 1, "1", 1},
    {"letter", Qt::Key_A, "a", {}, "1", 1, "1", 1},
    {"space", Qt::Key_Space, " ", {}, "1", 1, "1", 1},
    {"command_letter_is_a_shortcut", Qt::Key_B, "b", Qt::ControlModifier, "1", 0, "1", 0},
    {"keypad_7", Qt::Key_7, "7", Qt::KeypadModifier, "17", 0, "17", 0},
    {"e_acute", Qt::Key_Eacute, "\xC3\xA9", {}, "1", 1, "1", 1},
    {"dotless_i", Qt::Key_unknown, "\xC4\xB1", {}, "1", 1, "1", 1}, // U+0131: its low byte is "1"
    {"arabic_indic_three", Qt::Key_unknown, "\xD9\xA3", {}, "1", 1, "1", 1},
    {"emoji_beyond_16_bits", Qt::Key_unknown, "\xF0\x9F\x98\x80", {}, "1", 1, "1", 1},
    {"backspace", Qt::Key_Backspace, "\b", {}, "", 0, "", 0},
    {"delete_at_the_end", Qt::Key_Delete, "\x7F", {}, "1", 0, "1", 0},
    {"left", Qt::Key_Left, "", {}, "1", 0, "1", 0},
    {"right", Qt::Key_Right, "", {}, "1", 0, "1", 0},
    {"up", Qt::Key_Up, "", {}, "1", 1, "1", 1},
    {"down", Qt::Key_Down, "", {}, "1", 1, "1", 1},
    {"home", Qt::Key_Home, "", {}, "1", 1, "1", 1},
    {"end", Qt::Key_End, "", {}, "1", 1, "1", 1},
    {"page_up", Qt::Key_PageUp, "", {}, "1", 1, "1", 1},
    {"page_down", Qt::Key_PageDown, "", {}, "1", 1, "1", 1},
    {"return_starts_no_line", Qt::Key_Return, "\r", {}, "1", 1, "1", 1},
    {"enter", Qt::Key_Enter, "\r", Qt::KeypadModifier, "1", 1, "1", 1},
    {"escape", Qt::Key_Escape, "\x1B", {}, "1", 1, "1", 1},
};

void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.label; }

class KeyFilter : public ExperimentTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyFilter, InEveryFieldAndTheResultsArea) {
    const KeyCase& c = GetParam();
    for (const std::string& name : kControls) {
        fw::Control& control = *Wnd().ControlByName(name);
        control.SetProperty("Value", std::string("1"));
        QWidget* widget = Focused(Wnd(), name);
        Wnd().outFld().Editor()->moveCursor(QTextCursor::End); // a field's caret is at its end already
        const int before = beeps;
        QTest::sendKeyEvent(QTest::Click, widget, c.key, QString::fromUtf8(c.text), c.modifiers);
        const bool results = name == "outFld";
        EXPECT_EQ(control.Property("Value").As<std::string>(), results ? c.inResults : c.inField) << name;
        EXPECT_EQ(beeps - before, results ? c.resultsBeeps : c.fieldBeeps) << name;
    }
    // No key runs a button, though all three are Default: Calculate would complain of the total.
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(OpenWindow("helpWnd.helpWnd"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyFilter, ::testing::ValuesIn(kKeys),
                         [](const auto& row) { return std::string(row.param.label); });

// Typed key by key into the emptied field, the digits stop at its limit without a sound.
class LengthLimit : public ExperimentTest, public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(LengthLimit, StopsTypedDigits) {
    const auto& [name, shown] = GetParam();
    Wnd().ControlAs<fw::TextField>(name).SetText("");
    QTest::keyClicks(Focused(Wnd(), name), "1234567");
    EXPECT_EQ(Wnd().ControlAs<fw::TextField>(name).Text(), shown);
    EXPECT_EQ(beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(Fields, LengthLimit,
                         ::testing::Values(std::pair{"totalFld", "123"}, std::pair{"redFld", "12"},
                                           std::pair{"greenFld", "12"}, std::pair{"addFld", "12"},
                                           std::pair{"repeatFld", "12345"}),
                         [](const auto& row) { return std::string(row.param.first); });

using ClearTest = ExperimentTest;

TEST_F(ClearTest, EmptiesTheFiveFieldsKeepsTheResultsAndFocusesTheTotal) {
    Press(Wnd(), "calcBtn");
    const std::string results = Wnd().outFld().Text();
    Wnd().repeatFld().SetFocus();
    Press(Wnd(), "clearBtn");
    EXPECT_EQ(FieldTexts(), (Fields{"", "", "", "", ""}));
    EXPECT_EQ(Wnd().outFld().Text(), results);
    EXPECT_TRUE(WaitForFocus("totalFld"));
    EXPECT_EQ(beeps, 0);
}

} // namespace
