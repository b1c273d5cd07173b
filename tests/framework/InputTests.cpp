// Keys and mouse presses through real Qt events: the key-text table, the command-modifier rule,
// dropping or passing keys, Tab order, window keys and presses, and push buttons acting on the press.
#include "FrameworkTest.h"

#include <QLineEdit>
#include <QPushButton>
#include <optional>

namespace {

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::optional<std::string> text; // nothing raised when empty
    char typed = 0;                  // sent as this character (QTest derives no capitals from Shift)
};

void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }

void Press(QWidget* widget, const KeyCase& c) {
    if (c.typed != 0) {
        QTest::keyClick(widget, c.typed, c.modifiers);
    } else {
        QTest::keyClick(widget, c.key, c.modifiers);
    }
}

void Press(QWindow* window, const KeyCase& c) {
    if (c.typed != 0) {
        QTest::keyClick(window, c.typed, c.modifiers);
    } else {
        QTest::keyClick(window, c.key, c.modifiers);
    }
}

class KeyTextTest : public FrameworkTest, public ::testing::WithParamInterface<KeyCase> {};

} // namespace

TEST_P(KeyTextTest, FieldAndWindowReceiveTheKeyAsText) {
    std::vector<std::string> fieldKeys;
    ProbeWindow& window = OpenWith({"KeyDown"}, [&](ProbeWindow& w) {
        auto& field = w.NewControl<fw::TextField>("field");
        field.KeyDown.Bind([&](fw::TextField&, const std::string& key) {
            fieldKeys.push_back(key);
            return true;
        });
    });
    ASSERT_NO_FATAL_FAILURE(ShowActive(window));
    Press(window.ControlAs<fw::TextField>("field").Widget(), GetParam());
    const std::vector<std::string> expected =
        GetParam().text ? std::vector<std::string>{*GetParam().text} : std::vector<std::string>{};
    EXPECT_EQ(fieldKeys, expected);
    EXPECT_EQ(window.ControlAs<fw::TextField>("field").Text(), ""); // dropped, or a shortcut
    window.log.clear();

    // The same key to a window whose controls cannot take the focus.
    ProbeWindow& bare = OpenWith({"KeyDown"}, [](ProbeWindow& w) { w.NewControl<fw::Label>("label"); });
    ASSERT_NO_FATAL_FAILURE(ShowActive(bare));
    bare.log.clear();
    Press(bare.Widget()->windowHandle(), GetParam());
    EXPECT_EQ(bare.log, GetParam().text ? std::vector<std::string>{"KeyDown:" + *GetParam().text} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTextTest,
    ::testing::Values(KeyCase{"Letter", Qt::Key_A, Qt::NoModifier, "a"},
                      KeyCase{"ShiftedLetter", Qt::Key_A, Qt::ShiftModifier, "A", 'A'},
                      KeyCase{"Digit", Qt::Key_7, Qt::NoModifier, "7"},
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

using KeyFlowTest = FrameworkTest;

TEST_F(KeyFlowTest, FalseLetsTheFieldInsertAndTabFollowTabIndex) {
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
        auto& button = w.NewControl<fw::PushButton>("button"); // not a tab stop
        button.SetProperty("TabIndex", 1);
    });
    ASSERT_NO_FATAL_FAILURE(ShowActive(window));
    QWidget* first = window.ControlAs<fw::TextField>("first").Widget();
    EXPECT_EQ(QApplication::focusWidget(), first); // the first tab stop has the focus
    QTest::keyClicks(first, "1x2");
    EXPECT_EQ(window.ControlAs<fw::TextField>("first").Text(), "12");
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.ControlAs<fw::TextField>("second").Widget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.ControlAs<fw::TextField>("third").Widget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), first); // never the button
    EXPECT_EQ(seen, "1x2\t\t\t");
}

TEST_F(KeyFlowTest, PressOnLabelOrPictureReachesTheWindowOnlyWhenItsClassHandlesIt) {
    for (bool handles : {true, false}) {
        ProbeWindow& window = OpenWith(handles ? std::vector<std::string>{"MouseDown"} : std::vector<std::string>{},
                                       [](ProbeWindow& w) {
                                           fw::SetProperties(w.NewControl<fw::Label>("label"),
                                                             {{"Left", 10}, {"Top", 20}, {"Width", 100}, {"Value", "text"}});
                                           fw::SetProperties(w.NewControl<fw::Canvas>("canvas"),
                                                             {{"Left", 150}, {"Top", 20}, {"Width", 50}, {"Height", 50}});
                                       });
        ASSERT_NO_FATAL_FAILURE(ShowActive(window));
        window.log.clear();
        QTest::mousePress(window.ControlAs<fw::Label>("label").Widget(), Qt::LeftButton, {}, QPoint(5, 6));
        QTest::mousePress(window.ControlAs<fw::Canvas>("canvas").Widget(), Qt::LeftButton, {}, QPoint(1, 2));
        QTest::keyClick(window.Widget()->windowHandle(), Qt::Key_Q);
        const std::vector<std::string> expected{"MouseDown:15,26", "MouseDown:151,22"};
        EXPECT_EQ(window.log, handles ? expected : std::vector<std::string>{}) << handles;
    }
}

TEST_F(KeyFlowTest, ButtonActsOnThePressBeforeTheRelease) {
    struct Case {
        bool taken;
        bool opensBox;
        bool downAfterPress;
    };
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
        QPushButton* button = static_cast<QPushButton*>(window.ControlAs<fw::PushButton>("calcBtn").Widget());
        int clicks = 0;
        QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(7, 9));
        EXPECT_EQ(events, std::vector<std::string>{"down 7,9"});
        EXPECT_EQ(button->isDown(), c.downAfterPress);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(7, 9));
        EXPECT_FALSE(button->isDown());

        // Not a tab stop: no focus, and no key (Return, the caption's mnemonic) presses it.
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
        QTest::keyClick(window.Widget()->windowHandle(), Qt::Key_Return);
        QTest::keyClick(window.Widget()->windowHandle(), Qt::Key_C, Qt::AltModifier);
        EXPECT_EQ(events.size(), 1U);
        EXPECT_EQ(clicks, c.downAfterPress ? 1 : 0);
    }
}
