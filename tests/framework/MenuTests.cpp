// Menus: the tree and its look-ups, shortcut texts, commands dispatched to the window that shows
// the bar (by action and by shortcut), the standard commands without a handler, and enabling.
#include "FrameworkTest.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenuBar>

namespace {

std::shared_ptr<fw::MenuItem> Item(std::shared_ptr<fw::MenuItem> item, const char* name, const char* caption,
                                   const char* shortcut = "") {
    item->SetName(name);
    item->SetAutoEnabled(true);
    item->SetValue(caption);
    item->SetVisible(true);
    item->SetShortcut(shortcut);
    return item;
}

// The program's own menu table.
std::shared_ptr<fw::MenuBar> ProgramMenuBar() {
    auto bar = std::make_shared<fw::MenuBar>();
    auto file = Item(std::make_shared<fw::MenuItem>(), "FileMenu", "&File");
    bar->AddMenu(file);
    file->AddMenu(Item(std::make_shared<fw::QuitMenuItem>(), "FileQuit", "&Quit", "Cmd+Q"));
    file->AddMenu(Item(std::make_shared<fw::PrefsMenuItem>(), "AboutItem", "About Title"));
    auto edit = Item(std::make_shared<fw::MenuItem>(), "EditMenu", "&Edit");
    bar->AddMenu(edit);
    edit->AddMenu(Item(std::make_shared<fw::MenuItem>(), "EditUndo", "&Undo", "Cmd+Z"));
    edit->AddMenu(Item(std::make_shared<fw::MenuItem>(), "UntitledMenu1", "-"));
    edit->AddMenu(Item(std::make_shared<fw::MenuItem>(), "EditCut", "Cu&t", "Cmd+X"));
    edit->AddMenu(Item(std::make_shared<fw::MenuItem>(), "EditCopy", "&Copy", "Cmd+C"));
    edit->AddMenu(Item(std::make_shared<fw::MenuItem>(), "EditPaste", "&Paste", "Cmd+V"));
    edit->AddMenu(Item(std::make_shared<fw::MenuItem>(), "EditClear", "&Delete"));
    edit->AddMenu(Item(std::make_shared<fw::MenuItem>(), "UntitledMenu0", "-"));
    edit->AddMenu(Item(std::make_shared<fw::MenuItem>(), "EditSelectAll", "Select &All", "Cmd+A"));
    auto info = Item(std::make_shared<fw::MenuItem>(), "InfoMenu", "Window");
    bar->AddMenu(info);
    info->AddMenu(Item(std::make_shared<fw::MenuItem>(), "ControlItem", "Control"));
    info->AddMenu(Item(std::make_shared<fw::MenuItem>(), "InfoItem", "Info"));
    return bar;
}

class MenuTest : public FrameworkTest {
protected:
    // A window showing `bar`, with one text field and the given handlers (each logs its item).
    ProbeWindow& WindowWith(std::shared_ptr<fw::MenuBar> bar, std::vector<std::string> handled,
                            std::vector<std::string>& calls) {
        auto window = std::make_unique<ProbeWindow>("Menu" + std::to_string(++serial_) + ".Menu",
                                                    std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers"});
        window->onLayout = [bar](ProbeWindow& w) { w.SetMenuBar(bar); };
        window->onCreateControls = [](ProbeWindow& w) { w.NewControl<fw::TextField>("field"); };
        window->onAddMenuHandlers = [handled, &calls](ProbeWindow& w) {
            for (const auto& name : handled) {
                w.AddMenuHandler(name, [&calls, name, &w] {
                    calls.push_back(w.ClassName() + ":" + name);
                    return true;
                });
            }
        };
        return Open(std::move(window));
    }
    int serial_ = 0;
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
    EXPECT_THROW(bar->AddMenu(edit), fw::InvalidArgumentException);                 // already has a parent
    EXPECT_THROW(edit->Item(0)->AddMenu(std::make_shared<fw::MenuBar>()), fw::InvalidArgumentException);
    auto loose = std::make_shared<fw::MenuItem>();
    auto inner = std::make_shared<fw::MenuItem>();
    loose->AddMenu(inner);
    EXPECT_THROW(inner->AddMenu(loose), fw::InvalidArgumentException); // its own ancestor
}

TEST_F(MenuTest, ShortcutTextsAndDuplicates) {
    struct Case {
        const char* text;
        QKeySequence expected; // empty with `valid` false: rejected
        bool valid;
    };
    for (const Case& c : {Case{"Cmd+Q", QKeySequence(Qt::CTRL | Qt::Key_Q), true}, Case{"", QKeySequence(), true},
                          Case{"Shift+Cmd+Z", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), true},
                          Case{"Cmd+F5", QKeySequence(Qt::CTRL | Qt::Key_F5), true}, Case{"Cmd+", {}, false},
                          Case{"Hyper+Q", {}, false}, Case{"Cmd+QQ", {}, false}}) {
        ProbeWindow& window = OpenWith({}, {}, {{"Visible", false}});
        auto bar = std::make_shared<fw::MenuBar>();
        auto menu = Item(std::make_shared<fw::MenuItem>(), "Menu", "Menu");
        bar->AddMenu(menu);
        auto item = std::make_shared<fw::MenuItem>();
        item->SetName("Item");
        item->SetValue("Item");
        menu->AddMenu(item);
        if (!c.valid) {
            EXPECT_THROW(item->SetShortcut(c.text), fw::InvalidArgumentException) << c.text;
            continue;
        }
        item->SetShortcut(c.text);
        window.SetMenuBar(bar);
        EXPECT_EQ(window.MenuAction("Item")->shortcut(), c.expected) << c.text;
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
    std::vector<std::string> calls;
    ProbeWindow& control = WindowWith(bar, {"FileQuit", "InfoItem", "AboutItem"}, calls);
    ProbeWindow& help = WindowWith(bar, {"ControlItem"}, calls);
    EXPECT_EQ(control.MenuBar(), help.MenuBar());

    const QStringList menus = [&] {
        QStringList titles;
        for (QAction* action : control.Widget()->findChild<QMenuBar*>()->actions()) titles << action->text();
        return titles;
    }();
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "Window"}));

    // Each window has its own actions; only registered items (and standard ones) are enabled.
    EXPECT_NE(control.MenuAction("InfoItem"), help.MenuAction("InfoItem"));
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
    bool keyDown = false;
    control.ControlAs<fw::TextField>("field").KeyDown.Bind([&](fw::TextField&, const std::string&) { return keyDown = true; });
    ASSERT_NO_FATAL_FAILURE(ShowActive(control));
    control.ControlAs<fw::TextField>("field").SetFocus();
    QTest::keyClick(control.ControlAs<fw::TextField>("field").Widget(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(calls.back(), control.ClassName() + ":FileQuit");
    EXPECT_FALSE(keyDown);
}

TEST_F(MenuTest, EditItemsWithoutHandlersEditTheFocusedFieldAndAreEnabledOnlyWhenUseful) {
    std::vector<std::string> calls;
    ProbeWindow& window = WindowWith(ProgramMenuBar(), {}, calls);
    auto& field = window.ControlAs<fw::TextField>("field");
    fw::SetProperties(field, {{"ValidationMask", "###"}, {"MaximumCharactersAllowed", 3}});
    ASSERT_NO_FATAL_FAILURE(ShowActive(window));
    field.SetFocus();
    QApplication::clipboard()->clear();
    auto enabled = [&](const char* item) { return window.MenuAction(item)->isEnabled(); };

    EXPECT_FALSE(enabled("EditSelectAll")); // nothing to select
    EXPECT_FALSE(enabled("EditPaste"));     // nothing to paste
    EXPECT_FALSE(enabled("InfoItem"));      // no handler, no standard command
    QTest::keyClicks(field.Widget(), "1a2"); // the mask refuses the letter
    EXPECT_EQ(field.Text(), "12");
    EXPECT_TRUE(enabled("EditUndo"));
    EXPECT_TRUE(enabled("EditSelectAll"));
    EXPECT_FALSE(enabled("EditCopy"));

    QTest::keyClick(field.Widget(), Qt::Key_A, Qt::ControlModifier); // Select All by its shortcut
    EXPECT_TRUE(enabled("EditCopy"));
    EXPECT_TRUE(enabled("EditCut"));
    EXPECT_FALSE(enabled("EditSelectAll"));
    window.MenuAction("EditCopy")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("12"));
    EXPECT_TRUE(enabled("EditPaste"));
    window.MenuAction("EditClear")->trigger();
    EXPECT_EQ(field.Text(), "");

    // Pasting goes through the mask: letters are refused, digits beyond the limit cut off.
    for (const auto& [clip, expected] : {std::pair{"4x", ""}, {"4567", "456"}}) {
        field.SetText("");
        QApplication::clipboard()->setText(QString::fromUtf8(clip));
        window.MenuAction("EditPaste")->trigger();
        EXPECT_EQ(field.Text(), expected) << clip;
    }
    window.MenuAction("EditUndo")->trigger();
    EXPECT_EQ(field.Text(), "");
}
