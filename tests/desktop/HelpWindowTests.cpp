// The help window on a real desktop: its title and how screen readers see it, Ctrl+Q, and the
// requests that bring it back when minimised.
#include "DesktopTest.h"

namespace {

using HelpWindowOnDesktop = DesktopTest;

TEST_F(HelpWindowOnDesktop, ShowsItsTitleIsAFrameToScreenReadersAndQuitsOnCtrlQ) {
    StartKestrow();
    ASSERT_TRUE(HandedOver());
    ASSERT_TRUE(Click(kExperiment, "push button", "?"));
    ASSERT_TRUE(InFront(kHelp));
    EXPECT_EQ(desktop::Title(program->Window(kHelp).value_or(0)), "Info");
    const AccessibleTree tree = TreeWhere([](const AccessibleTree& t) { return WindowNode(t, kHelp) != nullptr; });
    const AccessibleNode* window = WindowNode(tree, kHelp);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role, "frame");
    EXPECT_EQ(window->name, "Info");

    desktop::Keys({"ctrl+q"});
    EXPECT_EQ(program->WaitForExit(kWaitMs), 0) << program->Output();
}

struct ShowRoad {
    const char* name;
    std::function<void(DesktopTest&)> ask; // from the experiment window
};
void PrintTo(const ShowRoad& road, std::ostream* out) { *out << road.name; }

class HelpWindowComesBack : public DesktopTest, public ::testing::WithParamInterface<ShowRoad> {};

TEST_P(HelpWindowComesBack, WhenAskedForWhileMinimised) {
    StartKestrow();
    ASSERT_TRUE(HandedOver());
    ASSERT_TRUE(Click(kExperiment, "push button", "?"));
    ASSERT_TRUE(InFront(kHelp));
    ASSERT_TRUE(Minimised(kHelp));
    ASSERT_TRUE(Eventually([this] { return program->IsActive(kExperiment); }));
    ASSERT_NO_FATAL_FAILURE(GetParam().ask(*this));
    EXPECT_TRUE(InFront(kHelp));
}

INSTANTIATE_TEST_SUITE_P(Roads, HelpWindowComesBack,
                         ::testing::Values(ShowRoad{"ByTheHelpButton",
                                                    [](DesktopTest& test) {
                                                        ASSERT_TRUE(
                                                            test.Click(DesktopTest::kExperiment, "push button", "?"));
                                                    }},
                                           ShowRoad{"ByWindowInfo",
                                                    [](DesktopTest& test) {
                                                        ASSERT_TRUE(test.ChooseMenuItem(DesktopTest::kExperiment,
                                                                                        "Window", "Info"));
                                                    }}),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
