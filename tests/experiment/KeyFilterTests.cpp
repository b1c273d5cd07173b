// Typing into the five fields and the results area: digits and the editing keys (codes 8, 9, 127,
// 28, 29) pass silently, every other key beeps once and is dropped; "." passes in the results
// area only. And Clear, which empties the fields but not the results.
#include "ExperimentTest.h"

#include <QPlainTextEdit>
#include <variant>

namespace {

struct KeyCase {
    const char* label;
    const char* control;
    std::string before;
    std::variant<std::string, Qt::Key> typed;  // text typed key by key, or one key
    std::string after;
    int beeps;
};

const KeyCase kKeys[] = {
    {"digits_in_total", "totalFld", "", std::string("42"), "42", 0},
    {"digits_in_repeat", "repeatFld", "", std::string("10000"), "10000", 0},
    {"letter_space_minus_and_stop_in_red", "redFld", "", std::string("1a -.2"), "12", 4},
    {"return_in_green", "greenFld", "1", Qt::Key_Return, "1", 1},
    {"escape_in_add", "addFld", "1", Qt::Key_Escape, "1", 1},
    {"backspace_in_total", "totalFld", "10", Qt::Key_Backspace, "1", 0},
    {"delete_in_red", "redFld", "10", Qt::Key_Delete, "10", 0},
    {"left_in_green", "greenFld", "10", Qt::Key_Left, "10", 0},
    {"right_in_add", "addFld", "10", Qt::Key_Right, "10", 0},
    {"digits_and_stop_in_results", "outFld", "", std::string("1.5"), "1.5", 0},
    {"minus_and_letter_in_results", "outFld", "", std::string("-x"), "", 2},
    {"return_in_results_starts_no_line", "outFld", "1", Qt::Key_Return, "1", 1},
    {"up_in_results", "outFld", "", Qt::Key_Up, "", 1},
    {"backspace_in_results", "outFld", "12", Qt::Key_Backspace, "1", 0},
};

void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.label; }

class KeyFilter : public ExperimentTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyFilter, PassesDigitsAndEditingKeysAndBeepsAtTheRest) {
    const KeyCase& c = GetParam();
    fw::Control& control = *Wnd().ControlByName(c.control);
    control.SetProperty("Value", c.before);
    if (const auto* text = std::get_if<std::string>(&c.typed)) {
        Type(Wnd(), c.control, *text);
    } else {
        Wnd().outFld().Editor()->moveCursor(QTextCursor::End);  // a field's caret is at its end already
        Key(Wnd(), c.control, std::get<Qt::Key>(c.typed));
    }
    EXPECT_EQ(control.Property("Value").As<std::string>(), c.after);
    EXPECT_EQ(beeps, c.beeps);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyFilter, ::testing::ValuesIn(kKeys),
                         [](const auto& row) { return std::string(row.param.label); });

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

}  // namespace
