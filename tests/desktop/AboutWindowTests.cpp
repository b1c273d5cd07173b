// The About window on a real desktop: no title text, a window to screen readers, the
// application's Quit shortcut though the window has no menu bar of its own, and About Title
// bringing it back when minimised.
#include "DesktopTest.h"

#include <QString>

namespace {

using AboutWindowOnDesktop = DesktopTest;

std::string Trimmed(const std::string& text) { return QString::fromStdString(text).trimmed().toStdString(); }

TEST_F(AboutWindowOnDesktop, HasNoTitleTextIsAWindowToScreenReadersAndQuitsOnCtrlQ) {
    StartKestrow();
    ASSERT_TRUE(Eventually([this] { return program->IsActive(kAbout); }));
    const desktop::WindowId about = program->Window(kAbout).value_or(0);
    ASSERT_NE(about, 0u);
    EXPECT_EQ(Trimmed(desktop::Title(about)), "");

    const auto tree = TreeWhere([](const AccessibleTree& t) { return WindowNode(t, kAbout) != nullptr; });
    const AccessibleNode* window = WindowNode(tree, kAbout);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->role == "frame" || window->role == "dialog") << window->role;
    EXPECT_EQ(Trimmed(window->name), "");

    // Before the timer hands over (4 s after the start), so the key goes to the About window.
    ASSERT_TRUE(program->IsActive(kAbout));
    desktop::Keys({"ctrl+q"});
    EXPECT_EQ(program->WaitForExit(kWaitMs), 0) << program->Output();
}

TEST_F(AboutWindowOnDesktop, AboutTitleBringsItBackWhenMinimised) {
    StartKestrow();
    ASSERT_TRUE(HandedOver()); // the timer is spent: once shown, the About window stays
    ASSERT_TRUE(ChooseMenuItem(kExperiment, "File", "About Title"));
    ASSERT_TRUE(InFront(kAbout));
    ASSERT_TRUE(Minimised(kAbout));
    ASSERT_TRUE(Eventually([this] { return program->IsActive(kExperiment); }));
    ASSERT_TRUE(ChooseMenuItem(kExperiment, "File", "About Title"));
    EXPECT_TRUE(InFront(kAbout));
}

} // namespace
