// Menus: the tree and its look-ups, shortcut texts, commands dispatched to the window that shows
// the bar (by action and by shortcut), the standard commands without a handler, and enabling.
#include "FrameworkTest.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <optional>

namespace {

class MenuTest : public FrameworkTest {
protected:
    // A window showing `bar`, with one text field and the given handlers (each logs its item).
    ProbeWindow& WindowWith(std::shared_ptr<fw::MenuBar> bar, std::vector<std::string> handled) {
        return OpenWith({}, [=, this](ProbeWindow& w) {
            w.SetMenuBar(bar);
            w.NewControl<fw::TextField>("field");
            for (const auto& name : handled) {
                w.AddMenuHandler(name, [this, name, &w] { return calls.push_back(w.ClassName() + ":" + name), true; });
            }
        });
    }
    std::vector<std::string> calls;
};

} // namespace

TEST_F(MenuTest, TreeLookUpsAndRejectedAdditions) {
    auto bar = ProgramMenuBar();
    EXPECT_EQ(bar->Count(), 3U);
    EXPECT_EQ(bar->Child("InfoMenu")->Value(), "Window");
    EXPECT_EQ(bar->Child("EditCut"), nullptr); // not a direct child
    EXPECT_EQ(bar->Lookup("UntitledMenu1"), bar->Child("EditMenu")->Item(1));
    EXPECT_TRUE(bar->Lookup("UntitledMenu0")->IsSeparator());
    EXPECT_EQ(bar->LookupAs<fw::QuitMenuItem>("FileQuit")->Shortcut(), "Cmd+Q");
    EXPECT_THROW(bar->LookupAs<fw::QuitMenuItem>("AboutItem"), fw::IllegalCastException);
    EXPECT_THROW(bar->ChildAs<>("Missing"), fw::NilObjectException);
    EXPECT_THROW(bar->Item(3), fw::OutOfBoundsException);

    auto edit = bar->Child("EditMenu");
    EXPECT_THROW(bar->AddMenu(nullptr), fw::NilObjectException);
    EXPECT_THROW(bar->AddMenu(edit), fw::InvalidArgumentException); // already has a parent
    EXPECT_THROW(edit->Item(0)->AddMenu(std::make_shared<fw::MenuBar>()), fw::InvalidArgumentException);
    auto loose = std::make_shared<fw::MenuItem>();
    auto inner = std::make_shared<fw::MenuItem>();
    loose->AddMenu(inner);
    EXPECT_THROW(inner->AddMenu(loose), fw::InvalidArgumentException); // its own ancestor
}

TEST_F(MenuTest, ShortcutTextsAndDuplicates) {
    const std::pair<const char*, std::optional<QKeySequence>> cases[] = {
        // nothing: rejected
        {"Cmd+I", QKeySequence(Qt::CTRL | Qt::Key_I)},
        {"", QKeySequence()},
        {"Shift+Cmd+Z", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        {"Cmd+F5", QKeySequence(Qt::CTRL | Qt::Key_F5)},
        {"Cmd+", std::nullopt},
        {"Hyper+Q", std::nullopt},
        {"Cmd+QQ", std::nullopt},
        {"Cmd+Shift", std::nullopt}};
    for (const auto& [text, expected] : cases) {
        auto bar = ProgramMenuBar();
        if (!expected) {
            EXPECT_THROW(bar->Lookup("InfoItem")->SetShortcut(text), fw::InvalidArgumentException) << text;
            continue;
        }
        bar->Lookup("InfoItem")->SetShortcut(text);
        ProbeWindow& window = OpenWith({}, {}, {{"Visible", false}});
        window.SetMenuBar(bar);
        EXPECT_EQ(window.MenuAction("InfoItem")->shortcut(), *expected) << text;
    }
    auto bar = ProgramMenuBar();
    bar->Lookup("InfoItem")->SetShortcut("Cmd+C"); // also Copy's
    ProbeWindow& window = OpenWith({}, {}, {{"Visible", false}});
    EXPECT_THROW(window.SetMenuBar(bar), fw::InvalidArgumentException);
    EXPECT_EQ(window.MenuBar(), nullptr);
    fw::Application app;
    EXPECT_THROW(app.SetMenuBar(bar), fw::InvalidArgumentException);
}

TEST_F(MenuTest, CommandsGoToTheWindowThatShowsTheBar) {
    auto bar = ProgramMenuBar();
    ProbeWindow& control = WindowWith(bar, {"FileQuit", "InfoItem", "AboutItem"});
    ProbeWindow& help = WindowWith(bar, {"ControlItem"});
    QStringList menus;
    for (QAction* action : control.Widget()->findChild<QMenuBar*>()->actions()) menus << action->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "Window"}));

    // Each window has its own actions; only registered items (and standard ones) are enabled.
    EXPECT_TRUE(control.MenuAction("InfoItem")->isEnabled());
    EXPECT_FALSE(control.MenuAction("ControlItem")->isEnabled());
    EXPECT_TRUE(help.MenuAction("ControlItem")->isEnabled());
    EXPECT_FALSE(help.MenuAction("AboutItem")->isEnabled()); // a PrefsMenuItem does nothing by itself
    EXPECT_TRUE(help.MenuAction("FileQuit")->isEnabled());   // the Quit command works everywhere
    EXPECT_EQ(help.MenuAction("FileQuit")->menuRole(), QAction::QuitRole);

    control.MenuAction("InfoItem")->trigger();
    help.MenuAction("ControlItem")->trigger();
    EXPECT_EQ(calls, (std::vector<std::string>{control.ClassName() + ":InfoItem", help.ClassName() + ":ControlItem"}));

    // By shortcut, from inside a text field: the window's handler, and no KeyDown for the field.
    auto& field = control.ControlAs<fw::TextField>("field");
    bool keyDown = false;
    field.KeyDown.Bind([&](fw::TextField&, const std::string&) { return keyDown = true; });
    ASSERT_NO_FATAL_FAILURE(ShowActive(control));
    field.SetFocus();
    QTest::keyClick(field.Widget(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(calls.back(), control.ClassName() + ":FileQuit");
    EXPECT_FALSE(keyDown);
}

TEST_F(MenuTest, EditItemsWithoutHandlersEditTheFocusedFieldAndAreEnabledOnlyWhenUseful) {
    ProbeWindow& window = WindowWith(ProgramMenuBar(), {});
    auto& field = window.ControlAs<fw::TextField>("field");
    fw::SetProperties(field, {{"ValidationMask", "###"}, {"MaximumCharactersAllowed", 3}});
    ASSERT_NO_FATAL_FAILURE(ShowActive(window));
    field.SetFocus();
    QApplication::clipboard()->clear();
    auto enabled = [&](const char* item) { return window.MenuAction(item)->isEnabled(); };

    EXPECT_FALSE(enabled("EditSelectAll"));  // nothing to select
    EXPECT_FALSE(enabled("EditPaste"));      // nothing to paste
    EXPECT_FALSE(enabled("InfoItem"));       // no handler, no standard command
    QTest::keyClicks(field.Widget(), "1a2"); // the mask refuses the letter
    EXPECT_EQ(field.Text(), "12");
    EXPECT_TRUE(enabled("EditUndo"));
    EXPECT_TRUE(enabled("EditSelectAll"));
    EXPECT_FALSE(enabled("EditCopy"));

    QTest::keyClick(field.Widget(), Qt::Key_A, Qt::ControlModifier); // Select All by its shortcut
    EXPECT_TRUE(enabled("EditCopy") && enabled("EditCut"));
    EXPECT_FALSE(enabled("EditSelectAll"));
    window.MenuAction("EditCopy")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("12"));
    EXPECT_TRUE(enabled("EditPaste"));
    window.MenuAction("EditClear")->trigger();
    EXPECT_EQ(field.Text(), "");

    window.MenuAction("EditUndo")->trigger();
    EXPECT_EQ(field.Text(), "12");
}
