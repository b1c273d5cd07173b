// Kestrow's three windows on a real desktop: each shows its title exactly as given (the About
// window a blank one), stands where the window manager puts it (the help window 30 pixels right of
// and below the experiment window), is a window to screen readers and ends the program on Ctrl+Q,
// with or without a menu bar of its own; and each comes back from minimised when it is asked for.
#include "DesktopTest.h"

namespace {

struct Step {
    const char* window; // null: nothing to do
    DesktopTest::Path path;
};

const Step kHelpButton{kExperiment, {{"push button", "?"}}};
const Step kAboutTitle{kExperiment, {{"menu item", "File"}, {"menu item", "About Title"}}};
const Step kWindowInfo{kExperiment, {{"menu item", "Window"}, {"menu item", "Info"}}};
const Step kAboutName{kAbout, {{"label", "Kestrow"}}};

struct TitleCase {
    const char* name;
    Step reach; // from the experiment window, once the About window's timer has handed over to it
    const char* window;
    const char* title;
    const char* role;
    bool staggered; // from the experiment window; else placed by the window manager
};
void PrintTo(const TitleCase& c, std::ostream* out) { *out << c.name; }

class WindowOnDesktop : public DesktopTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(WindowOnDesktop, ShowsItsTitleInItsPlaceIsAWindowToScreenReadersAndQuitsOnCtrlQ) {
    const TitleCase& c = GetParam();
    Start(QStringLiteral(KESTROW_PROGRAM));
    if (c.reach.window != nullptr) {
        ASSERT_TRUE(InFront(kExperiment));
        ASSERT_TRUE(Click(c.reach.window, c.reach.path));
    }
    ASSERT_TRUE(InFront(c.window));
    const QByteArray title = "_NET_WM_NAME = \"" + QByteArray(c.title) + "\"\n";
    const desktop::WindowId shown = Window(c.window).value_or(0);
    const QByteArray properties = desktop::Properties(shown);
    EXPECT_TRUE(properties.contains(title));
    // Qt names a place in the size hints only when the program chose one.
    EXPECT_EQ(properties.contains("specified location"), c.staggered) << properties.toStdString();
    if (c.staggered) {
        QPoint offset; // of its frame from the experiment window's, as last read
        const bool staggered = Eventually([&] {
            const auto own = desktop::FrameCorner(shown), from = desktop::FrameCorner(Window(kExperiment).value_or(0));
            if (own && from) offset = *own - *from;
            return own && from && offset == QPoint(30, 30);
        });
        EXPECT_TRUE(staggered) << "frame offset " << offset.x() << ", " << offset.y();
    }
    const desktop::Tree tree = TreeWhere([&](const desktop::Tree& t) { return WindowNode(t, c.window) != nullptr; });
    const desktop::Node* window = WindowNode(tree, c.window);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role, c.role);
    EXPECT_EQ(window->name, c.title);

    ASSERT_TRUE(Active(c.window)); // the About window's timer is spent: nothing else hands over
    desktop::Keys({"ctrl+q"});
    EXPECT_EQ(Exit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowOnDesktop,
                         ::testing::Values(TitleCase{"AboutWithoutAMenuBar", kAboutTitle, kAbout, " ", "dialog", false},
                                           TitleCase{"Experiment", {}, kExperiment, "Kestrow", "frame", false},
                                           TitleCase{"Help", kHelpButton, kHelp, "Info", "frame", true}),
                         [](const auto& row) { return std::string(row.param.name); });

struct ComeBackCase {
    const char* name;
    Step show;          // from the experiment window
    const char* front;  // the window that `show` brings to the front
    const char* window; // the window minimised, then asked for
    Step ask;
};
void PrintTo(const ComeBackCase& c, std::ostream* out) { *out << c.name; }

class WindowComesBack : public DesktopTest, public ::testing::WithParamInterface<ComeBackCase> {};

TEST_P(WindowComesBack, WhenAskedForWhileMinimised) {
    const ComeBackCase& c = GetParam();
    Start(QStringLiteral(KESTROW_PROGRAM));
    ASSERT_TRUE(InFront(kExperiment)); // once the About window's timer has handed over: it is spent
    ASSERT_TRUE(Click(c.show.window, c.show.path));
    ASSERT_TRUE(InFront(c.front));
    ASSERT_TRUE(Minimised(c.window));
    ASSERT_TRUE(Eventually([&] { return Active(c.ask.window).has_value(); }));
    ASSERT_TRUE(Click(c.ask.window, c.ask.path));
    EXPECT_TRUE(InFront(c.window));
}

INSTANTIATE_TEST_SUITE_P(Requests, WindowComesBack,
                         ::testing::Values(ComeBackCase{"AboutByAboutTitle", kAboutTitle, kAbout, kAbout, kAboutTitle},
                                           ComeBackCase{"HelpByWindowInfo", kHelpButton, kHelp, kHelp, kWindowInfo},
                                           ComeBackCase{"ExperimentByTheAboutWindowsHandOver", kAboutTitle, kAbout,
                                                        kExperiment, kAboutName}),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
