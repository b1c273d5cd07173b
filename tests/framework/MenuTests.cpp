// Menus: the tree and its look-ups, and shortcut texts. What a window does with the program's own
// bar (its menus, commands, standard edits and enabling) the application's tests check.
#include "FrameworkTest.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLayout>
#include <array>

namespace {

// File (Quit, About), Edit (Undo, a separator, Copy) and Window (Info): the kinds of item a program's
// bar holds. Rows of menu ("" for the bar), name, caption and shortcut.
std::shared_ptr<fw::MenuBar> SmallMenuBar() {
    using Row = std::array<const char*, 4>;
    const Row rows[] = {
        {"", "FileMenu", "&File", ""},
        {"FileMenu", "FileQuit", "&Quit", "Cmd+Q"},
        {"FileMenu", "AboutItem", "About", ""},
        {"", "EditMenu", "&Edit", ""},
        {"EditMenu", "EditUndo", "&Undo", "Cmd+Z"},
        {"EditMenu", "UntitledMenu1", "-", ""},
        {"EditMenu", "EditCopy", "&Copy", "Cmd+C"},
        {"", "InfoMenu", "Window", ""},
        {"InfoMenu", "InfoItem", "Info", ""},
    };
    auto bar = std::make_shared<fw::MenuBar>();
    for (const auto& [menu, name, caption, shortcut] : rows) {
        const std::string kind = name;
        std::shared_ptr<fw::MenuItem> item = kind == "FileQuit"    ? std::make_shared<fw::QuitMenuItem>()
                                             : kind == "AboutItem" ? std::make_shared<fw::PrefsMenuItem>()
                                                                   : std::make_shared<fw::MenuItem>();
        item->SetName(name);
        item->SetValue(caption);
        item->SetShortcut(shortcut);
        (*menu == '\0' ? std::shared_ptr<fw::MenuItem>(bar) : bar->Child(menu))->AddMenu(item);
    }
    return bar;
}

using MenuTest = FrameworkTest;

} // namespace

TEST_F(MenuTest, TreeLookUpsAndRejectedAdditions) {
    auto bar = SmallMenuBar();
    EXPECT_EQ(bar->Count(), 3U);
    EXPECT_EQ(bar->Child("InfoMenu")->Value(), "Window");
    EXPECT_EQ(bar->Child("EditCopy"), nullptr); // not a direct child
    EXPECT_EQ(bar->Lookup("UntitledMenu1"), bar->Child("EditMenu")->Item(1));
    EXPECT_TRUE(bar->Lookup("UntitledMenu1")->IsSeparator());
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
    for (const char* text : {"Cmd+", "Hyper+Q", "Cmd+QQ", "Cmd+Shift"})
        EXPECT_THROW(SmallMenuBar()->Lookup("InfoItem")->SetShortcut(text), fw::InvalidArgumentException) << text;
    const std::pair<const char*, QKeySequence> accepted[] = {
        {"Shift+Cmd+Z", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        {"Cmd+F5", QKeySequence(Qt::CTRL | Qt::Key_F5)}};
    for (const auto& [text, expected] : accepted) {
        auto bar = SmallMenuBar();
        bar->Lookup("InfoItem")->SetShortcut(text);
        ProbeWindow& window = OpenWith({}, {}, {{"Visible", false}});
        window.SetMenuBar(bar);
        EXPECT_EQ(window.MenuAction("InfoItem")->shortcut(), expected) << text;
    }
    auto bar = SmallMenuBar();
    bar->Lookup("InfoItem")->SetShortcut("Cmd+C"); // also Copy's
    ProbeWindow& window = OpenWith({}, {}, {{"Visible", false}});
    EXPECT_THROW(window.SetMenuBar(bar), fw::InvalidArgumentException);
    EXPECT_EQ(window.MenuBar(), nullptr);
    fw::Application app;
    EXPECT_THROW(app.SetMenuBar(bar), fw::InvalidArgumentException);
}

// A window that shows no menu bar of its own answers the application's shortcuts through actions on
// its frame. Both roads below replace those while the frame lives; the replaced presenter must leave
// nothing behind that the next clipboard or focus change reaches (ASan sees a freed one at once).
TEST_F(MenuTest, ReplacedShortcutPresenterLeavesNothingBehind) {
    fw::Application& app = *fw::RuntimeAppObject();
    struct Road {
        const char* name;
        std::function<void(fw::Window&)> replace;
        qsizetype frameActions; // the application's leaf items, or none once the window shows its own bar
    };
    const Road roads[] = {
        {"the application's bar set again", [&app](fw::Window&) { app.SetMenuBar(SmallMenuBar()); }, 5},
        {"the window given its own bar", [](fw::Window& window) { window.SetMenuBar(SmallMenuBar()); }, 0},
    };
    for (const Road& road : roads) {
        app.SetMenuBar(SmallMenuBar());
        ProbeWindow& window = OpenWith({}, [](ProbeWindow& w) {
            w.NewControl<fw::PushButton>("first");
            w.NewControl<fw::PushButton>("second");
        });
        ASSERT_NO_FATAL_FAILURE(ShowActive(window));
        ASSERT_EQ(window.Widget()->actions().size(), 5) << road.name; // the presenter to be replaced
        road.replace(window);
        QApplication::clipboard()->setText(QString::fromUtf8(road.name));
        auto& second = window.ControlAs<fw::PushButton>("second");
        second.SetFocus();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == second.Widget(); })) << road.name;
        EXPECT_EQ(window.Widget()->actions().size(), road.frameActions) << road.name;
        window.Close();
    }
}

// A handler that replaces the bar its command came from and returns false: the standard command
// still follows for the item chosen (Copy copies the field's selection), and the new bar answers
// the next choice. Nothing else holds the old bar, so a use of it after the handler is a use of
// freed memory.
namespace {

struct ReplacingRoad {
    const char* name;
    void (*install)(fw::Window&); // the bar that Copy comes from
};
void PrintTo(const ReplacingRoad& road, std::ostream* out) { *out << road.name; }
class HandlerReplacingItsBar : public FrameworkTest, public ::testing::WithParamInterface<ReplacingRoad> {};

TEST_P(HandlerReplacingItsBar, IsFollowedByTheStandardCommandAndTheNewBarWorks) {
    const auto install = GetParam().install;
    ProbeWindow& window = OpenWith({}, [](ProbeWindow& w) { w.NewControl<fw::TextField>("field"); });
    install(window);
    int replaced = 0;
    window.AddMenuHandler("EditCopy", [&] {
        if (replaced++ == 0) install(window);
        return false;
    });
    ASSERT_NO_FATAL_FAILURE(ShowActive(window));
    auto& field = window.ControlAs<fw::TextField>("field");
    field.SetFocus();
    for (const char* text : {"first", "second"}) {
        field.SetText(text);
        QTest::keyClick(field.Widget(), Qt::Key_A, Qt::ControlModifier);
        QApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(field.Widget(), Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), text);
    }
    EXPECT_EQ(replaced, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Roads, HandlerReplacingItsBar,
    ::testing::Values(ReplacingRoad{"WindowsOwnBar", [](fw::Window& window) { window.SetMenuBar(SmallMenuBar()); }},
                      ReplacingRoad{"ApplicationsBar",
                                    [](fw::Window&) { fw::RuntimeAppObject()->SetMenuBar(SmallMenuBar()); }}),
    [](const auto& row) { return std::string(row.param.name); });

// A size the user chose is kept when a bar is set, replaced, removed or hidden: the content keeps
// it, and the frame changes only by the window's own bar.
struct KeptSizeCase {
    const char* name;
    bool ownBar; // before the change
    void (*change)(fw::Window&);
};
void PrintTo(const KeptSizeCase& c, std::ostream* out) { *out << c.name; }
class UserSizeKept : public FrameworkTest, public ::testing::WithParamInterface<KeptSizeCase> {};

TEST_P(UserSizeKept, WhenTheMenuBarsChange) {
    const KeptSizeCase& c = GetParam();
    fw::RuntimeAppObject()->SetMenuBar(SmallMenuBar());
    ProbeWindow& window = OpenWith({}, {});
    if (c.ownBar) window.SetMenuBar(SmallMenuBar());
    ASSERT_NO_FATAL_FAILURE(ShowActive(window));
    QWidget* frame = window.Widget();
    frame->resize(frame->size() + QSize(340, 180)); // as the user drags its corner
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Content()->size() == QSize(640, 480); }));
    c.change(window);
    const QWidget* bar = frame->layout()->menuBar();
    const int barHeight = bar != nullptr && !bar->isHidden() ? bar->sizeHint().height() : 0;
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.Content()->size() == QSize(640, 480); }))
        << "content " << window.Content()->width() << " x " << window.Content()->height();
    EXPECT_EQ(frame->size(), QSize(640, 480 + barHeight));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, UserSizeKept,
    ::testing::Values(KeptSizeCase{"ApplicationsBarSetAgainBesideItsOwn", true,
                                   [](fw::Window&) { fw::RuntimeAppObject()->SetMenuBar(SmallMenuBar()); }},
                      KeptSizeCase{"ApplicationsBarSetAgainWithoutItsOwn", false,
                                   [](fw::Window&) { fw::RuntimeAppObject()->SetMenuBar(SmallMenuBar()); }},
                      KeptSizeCase{"OwnBarGiven", false, [](fw::Window& w) { w.SetMenuBar(SmallMenuBar()); }},
                      KeptSizeCase{"OwnBarReplaced", true, [](fw::Window& w) { w.SetMenuBar(SmallMenuBar()); }},
                      KeptSizeCase{"OwnBarRemoved", true, [](fw::Window& w) { w.SetMenuBar(nullptr); }},
                      KeptSizeCase{"OwnBarHidden", true,
                                   [](fw::Window& w) {
                                       fw::SetProperties(w, {{"MenuBarVisible", false}});
                                   }}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
