// Keys and mouse presses through real Qt events: the key-text table, the command-modifier rule,
// dropping or passing keys, Tab order, window keys and presses, and push buttons acting on the press.
#include "FrameworkTest.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <optional>

namespace {

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::optional<std::string> text; // nothing raised when empty
    const char* sent = nullptr;      // the key's text (UTF-8) where QTest derives none or another
};

void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }

template <class Target>
void Press(Target* target, const KeyCase& c) {
    if (c.sent != nullptr) {
        QTest::sendKeyEvent(QTest::Click, target, c.key, QString::fromUtf8(c.sent), c.modifiers);
    } else {
        QTest::keyClick(target, c.key, c.modifiers);
    }
}

class KeyTextTest : public FrameworkTest, public ::testing::WithParamInterface<KeyCase> {};

} // namespace

TEST_P(KeyTextTest, FieldAndWindowReceiveTheKeyAsText) {
    ProbeWindow& window = OpenWith({"KeyDown"}, [](ProbeWindow& w) {
        w.NewControl<fw::TextField>("field").KeyDown.Bind([&w](fw::TextField&, const std::string& key) {
            return w.log.push_back(key), true;
        });
    });
    ASSERT_NO_FATAL_FAILURE(ShowActive(window));
    window.log.clear();
    Press(window.ControlAs<fw::TextField>("field").Widget(), GetParam());
    const auto expected = [&](const std::string& prefix) {
        return GetParam().text ? std::vector<std::string>{prefix + *GetParam().text} : std::vector<std::string>{};
    };
    EXPECT_EQ(window.log, expected("")); // the field's, and none for the window
    EXPECT_EQ(window.ControlAs<fw::TextField>("field").Text(), ""); // dropped, or a shortcut

    // The same key to a window whose controls cannot take the focus.
    ProbeWindow& bare = OpenWith({"KeyDown"}, [](ProbeWindow& w) { w.NewControl<fw::Label>("label"); });
    ASSERT_NO_FATAL_FAILURE(ShowActive(bare));
    bare.log.clear();
    Press(bare.Widget()->windowHandle(), GetParam());
    EXPECT_EQ(bare.log, expected("KeyDown:"));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTextTest,
    ::testing::Values(KeyCase{"Letter", Qt::Key_A, Qt::NoModifier, "a"},
                      KeyCase{"ShiftedLetter", Qt::Key_A, Qt::ShiftModifier, "A", "A"},
                      KeyCase{"Digit", Qt::Key_7, Qt::NoModifier, "7"},
                      KeyCase{"KeypadDigit", Qt::Key_7, Qt::KeypadModifier, "7", "7"},
                      KeyCase{"KeypadPoint", Qt::Key_Period, Qt::KeypadModifier, ".", "."},
                      KeyCase{"AccentedLetter", Qt::Key_Eacute, Qt::NoModifier, "é", "é"},
                      KeyCase{"SharpS", Qt::Key_ssharp, Qt::NoModifier, "ß", "ß"},
                      KeyCase{"FullWidthDigit", Qt::Key_unknown, Qt::NoModifier, "７", "７"},
                      KeyCase{"Emoji", Qt::Key_unknown, Qt::NoModifier, "😀", "😀"}, // a surrogate pair in Qt
                      KeyCase{"Space", Qt::Key_Space, Qt::NoModifier, " "},
                      KeyCase{"Backspace", Qt::Key_Backspace, Qt::NoModifier, "\x08"},
                      KeyCase{"Tab", Qt::Key_Tab, Qt::NoModifier, "\x09"},
                      KeyCase{"Return", Qt::Key_Return, Qt::NoModifier, "\x0D"},
                      KeyCase{"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier, "\x03"},
                      KeyCase{"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1B"},
                      KeyCase{"Delete", Qt::Key_Delete, Qt::NoModifier, "\x7F"},
                      KeyCase{"Left", Qt::Key_Left, Qt::NoModifier, "\x1C"},
                      KeyCase{"Right", Qt::Key_Right, Qt::NoModifier, "\x1D"},
                      KeyCase{"Up", Qt::Key_Up, Qt::NoModifier, "\x1E"},
                      KeyCase{"Down", Qt::Key_Down, Qt::NoModifier, "\x1F"},
                      KeyCase{"Home", Qt::Key_Home, Qt::NoModifier, "\x01"},
                      KeyCase{"End", Qt::Key_End, Qt::NoModifier, "\x04"},
                      KeyCase{"PageUp", Qt::Key_PageUp, Qt::NoModifier, "\x0B"},
                      KeyCase{"PageDown", Qt::Key_PageDown, Qt::NoModifier, "\x0C"},
                      KeyCase{"CommandLetter", Qt::Key_B, Qt::ControlModifier, std::nullopt},
                      KeyCase{"ShiftAlone", Qt::Key_Shift, Qt::ShiftModifier, std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

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
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
            continue;
        }
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent key(type, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &key);
        }
    }
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

INSTANTIATE_TEST_SUITE_P(
    Typing, TypedLimitTest,
    ::testing::Values(TypingCase{"LimitAlone", 3, "", "", false, "ab12x", "ab1"},
                      TypingCase{"MaskAlone", 0, "##", "", false, "1a23", "12"},
                      TypingCase{"LimitCountsCharactersNotBytes", 2, "", "", false, "\xC3\xA9\xE2\x82\xACx", "\xC3\xA9\xE2\x82\xAC"},
                      TypingCase{"SelectionReplacedWithinTheLimit", 2, "##", "12", true, "3", "3"},
                      TypingCase{"BackspaceAtTheLimit", 2, "##", "12", false, "\b", "1"},
                      TypingCase{"LongerTextTakesNoMoreKeys", 2, "", "abc", false, "d", "abc"}),
    [](const auto& row) { return std::string(row.param.name); });

using KeyFlowTest = FrameworkTest;

TEST_F(KeyFlowTest, FalseLetsTheFieldInsertAndTabFollowsTabIndex) {
    std::string seen;
    ProbeWindow& window = OpenWith({}, [&](ProbeWindow& w) {
        // Created out of tab order on purpose.
        for (const auto& [name, index] : {std::pair{"third", 2}, {"first", 0}, {"second", 1}}) {
            auto& field = w.NewControl<fw::TextField>(name);
            field.SetProperty("TabIndex", index);
            field.KeyDown.Bind([&seen](fw::TextField&, const std::string& key) {
                seen += key;
                return key == "x"; // drop x, let everything else through
            });
        }
        w.NewControl<fw::PushButton>("button").SetProperty("TabIndex", 1); // not a tab stop
    });
    ASSERT_NO_FATAL_FAILURE(ShowActive(window));
    QWidget* first = window.ControlAs<fw::TextField>("first").Widget();
    EXPECT_EQ(QApplication::focusWidget(), first); // the first tab stop has the focus
    QTest::keyClicks(first, "1x2");
    EXPECT_EQ(window.ControlAs<fw::TextField>("first").Text(), "12");
    for (const char* next : {"second", "third", "first"}) { // never the button
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), window.ControlAs<fw::TextField>(next).Widget()) << next;
    }
    EXPECT_EQ(seen, "1x2\t\t\t");
}

// A press on a label reaches a window whose class handles MouseDown, in content coordinates below
// the menu bar; a window whose class does not handle it gets nothing.
TEST_F(KeyFlowTest, PressOnALabelReachesTheWindowInContentCoordinates) {
    for (bool handles : {true, false}) {
        ProbeWindow& window = OpenWith(handles ? std::vector<std::string>{"MouseDown"} : std::vector<std::string>{}, [](ProbeWindow& w) {
            w.SetMenuBar(ProgramMenuBar());
            fw::SetProperties(w.NewControl<fw::Label>("label"), {{"Left", 10}, {"Top", 20}, {"Width", 100}, {"Value", "text"}});
        });
        ASSERT_NO_FATAL_FAILURE(ShowActive(window));
        window.log.clear();
        QTest::mousePress(window.ControlAs<fw::Label>("label").Widget(), Qt::LeftButton, {}, QPoint(5, 6));
        EXPECT_EQ(window.log, handles ? std::vector<std::string>{"MouseDown:15,26"} : std::vector<std::string>{});
    }
}

TEST_F(KeyFlowTest, ButtonActsOnThePressBeforeTheRelease) {
    struct Case { bool taken, opensBox, downAfterPress; };
    for (const Case& c : {Case{false, false, true}, Case{true, false, false}, Case{false, true, false}}) {
        std::vector<std::string> events;
        ProbeWindow& window = OpenWith({}, [&](ProbeWindow& w) {
            auto& button = w.NewControl<fw::PushButton>("calcBtn");
            fw::SetProperties(button, {{"Caption", "&Calculate"}, {"Default", true}, {"Width", 80}, {"Height", 40}});
            button.MouseDown.Bind([&, c](fw::PushButton&, std::int64_t x, std::int64_t y) {
                events.push_back("down " + std::to_string(x) + "," + std::to_string(y));
                if (c.opensBox) fw::MsgBox("The total number of balls can range from 2-100.\r");
                return c.taken;
            });
        });
        ASSERT_NO_FATAL_FAILURE(ShowActive(window));
        auto* button = static_cast<QPushButton*>(window.ControlAs<fw::PushButton>("calcBtn").Widget());
        int clicks = 0;
        QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(7, 9));
        EXPECT_EQ(events, std::vector<std::string>{"down 7,9"});
        EXPECT_EQ(button->isDown(), c.downAfterPress);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(7, 9));

        // Not a tab stop (the experiment window's Tab test): no key, Return or the mnemonic, presses it.
        QTest::keyClick(window.Widget()->windowHandle(), Qt::Key_Return);
        QTest::keyClick(window.Widget()->windowHandle(), Qt::Key_C, Qt::AltModifier);
        EXPECT_EQ(events.size(), 1U);
        EXPECT_EQ(clicks, c.downAfterPress ? 1 : 0);
    }
}
