// Typing into a text field: its KeyDown handler gets each key's text intact and each editing key's
// code, its length limit and digit mask hold for typed keys only, and its selection outlasts a menu
// bar's focus.
#include "FrameworkTest.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>

namespace {

// A field's limit and mask hold for typed keys (a paste goes in whole, see the real-desktop tests):
// a key that would break either is dropped without a word; the limit counts characters.
struct TypingCase {
    const char* name;
    int limit;
    const char* mask;
    const char* before;
    bool selectAll;
    const char* typed;
    const char* after;
};

void PrintTo(const TypingCase& c, std::ostream* out) { *out << c.name; }

class TypedLimitTest : public FrameworkTest, public ::testing::WithParamInterface<TypingCase> {};

// QTest types ASCII only; other characters come as the key events of a keyboard layout that has them.
void TypeText(QWidget* widget, const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80) {
            QTest::keyClick(widget, static_cast<char>(c));
            continue;
        }
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent key(type, Qt::Key_unknown, Qt::NoModifier, QString::fromUcs4(&c, 1));
            QApplication::sendEvent(widget, &key);
        }
    }
}

using KeyTextTest = FrameworkTest;

TEST_F(KeyTextTest, KeyDownGetsEachCharacterAsItsUtf8Text) {
    std::vector<std::string> keys;
    ProbeWindow& window = OpenWith({}, [&keys](ProbeWindow& w) {
        w.NewControl<fw::TextField>("field").KeyDown.Bind([&keys](fw::TextField&, const std::string& key) {
            keys.push_back(key);
            return true;
        });
    });
    ASSERT_NO_FATAL_FAILURE(ShowActive(window));
    QWidget* field = window.ControlAs<fw::TextField>("field").Widget();
    TypeText(field, QString::fromUtf8("7\xC3\xA9\xC3\x9F\xEF\xBC\x97\xF0\x9F\x98\x80"));
    EXPECT_EQ(keys, (std::vector<std::string>{"7", "\xC3\xA9", "\xC3\x9F", "\xEF\xBC\x97", "\xF0\x9F\x98\x80"}));

    // The editing and movement keys come as their control characters.
    keys.clear();
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End,
                              Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Escape})
        QTest::keyClick(field, key);
    EXPECT_EQ(keys, (std::vector<std::string>{"\x1C", "\x1D", "\x1E", "\x1F", "\x01", "\x04", "\x0B", "\x0C", "\x08",
                                              "\x7F", "\x1B"}));
}

TEST_P(TypedLimitTest, KeysThatWouldBreakTheLimitOrTheMaskAreDropped) {
    const TypingCase& c = GetParam();
    ProbeWindow& window = OpenWith({}, [&](ProbeWindow& w) {
        fw::SetProperties(w.NewControl<fw::TextField>("field"),
                          {{"MaximumCharactersAllowed", c.limit}, {"ValidationMask", c.mask}, {"Value", c.before}});
    });
    auto& field = window.ControlAs<fw::TextField>("field");
    ASSERT_NO_FATAL_FAILURE(ShowActive(window));
    field.SetFocus();
    QTest::keyClick(field.Widget(), Qt::Key_End);
    if (c.selectAll) QTest::keyClick(field.Widget(), Qt::Key_A, Qt::ControlModifier);
    TypeText(field.Widget(), QString::fromUtf8(c.typed));
    EXPECT_EQ(field.Text(), c.after);
}

INSTANTIATE_TEST_SUITE_P(Typing, TypedLimitTest,
                         ::testing::Values(TypingCase{"MaskAlone", 0, "##", "", false, "1a23", "12"},
                                           TypingCase{"LimitCountsCharactersNotBytes", 2, "", "", false,
                                                      "\xC3\xA9\xE2\x82\xACx", "\xC3\xA9\xE2\x82\xAC"},
                                           TypingCase{"SelectionReplacedWithinTheLimit", 2, "##", "12", true, "3", "3"},
                                           TypingCase{"BackspaceAtTheLimit", 2, "##", "12", false, "\b", "1"},
                                           TypingCase{"LongerTextTakesNoMoreKeys", 2, "", "abc", false, "d", "abc"}),
                         [](const auto& row) { return std::string(row.param.name); });

// What the Edit menu, opened from the keyboard, acts on (see the real-desktop tests); once the focus
// moves on from the menu bar to another control, the selection goes as when that control takes it.
using FieldSelectionTest = FrameworkTest;

TEST_F(FieldSelectionTest, OutlastsTheMenuBarsFocusButNotAMoveOnToAnotherControl) {
    ProbeWindow& window = OpenWith({}, [](ProbeWindow& w) {
        w.NewControl<fw::TextField>("field").SetText("42");
        w.NewControl<fw::TextField>("other");
    });
    ASSERT_NO_FATAL_FAILURE(ShowActive(window));
    auto* field = static_cast<QLineEdit*>(window.ControlAs<fw::TextField>("field").Widget());
    field->setFocus();
    field->selectAll();
    auto* menuBar = new QMenuBar(window.Widget());
    menuBar->show();
    menuBar->setFocus(Qt::MenuBarFocusReason);
    EXPECT_EQ(field->selectedText().toStdString(), "42");
    window.ControlAs<fw::TextField>("other").Widget()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(field->selectedText().toStdString(), "");
}

} // namespace
