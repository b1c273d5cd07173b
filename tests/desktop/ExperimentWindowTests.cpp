// The experiment window on a real desktop: its title and how screen readers see it, Ctrl+Q, the
// Edit menu however it is opened, pastes that the checks judge whole, and the requests that
// bring it back when minimised.
#include "DesktopTest.h"

namespace {

using ExperimentWindowOnDesktop = DesktopTest;

TEST_F(ExperimentWindowOnDesktop, ShowsItsTitleIsAFrameToScreenReadersAndQuitsOnCtrlQ) {
    StartKestrow();
    ASSERT_TRUE(HandedOver());
    EXPECT_EQ(desktop::Title(program->Window(kExperiment).value_or(0)), "Kestrow");
    const AccessibleTree tree = program->Tree();
    const AccessibleNode* window = WindowNode(tree, kExperiment);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role, "frame");
    EXPECT_EQ(window->name, "Kestrow");

    desktop::Keys({"ctrl+q"});
    EXPECT_EQ(program->WaitForExit(kWaitMs), 0) << program->Output();
}

// ---- The Edit menu, judged from the field that had the focus before the menu bar took it.

struct MenuRoad {
    const char* name;
    std::function<void(DesktopTest&)> open; // opens the Edit menu of the experiment window
};
void PrintTo(const MenuRoad& road, std::ostream* out) { *out << road.name; }

bool MenuShowing(const AccessibleTree& tree, const std::string& title) {
    const AccessibleNode* item = DesktopTest::NodeIn(tree, DesktopTest::kExperiment, "menu item", title);
    const auto shownMenu = [](const AccessibleNode& node) { return node.role == "popup menu" && node.Has("showing"); };
    return item != nullptr && tree.Find(shownMenu, item) != nullptr;
}

void OpenFileMenuFirst(DesktopTest& test) {
    desktop::Keys({"alt+f"});
    ASSERT_TRUE(MenuShowing(test.TreeWhere([](const AccessibleTree& t) { return MenuShowing(t, "File"); }), "File"));
}

class EditMenuOnDesktop : public DesktopTest, public ::testing::WithParamInterface<MenuRoad> {};

TEST_P(EditMenuOnDesktop, OffersAndDoesTheEditsOfTheFocusedField) {
    StartKestrow();
    ASSERT_TRUE(HandedOver()); // the focus is in Total Balls, which holds "10", caret at the end
    const auto clipboard = desktop::OfferOnClipboard("7");
    ASSERT_TRUE(Eventually([] { return desktop::Clipboard() == "7"; }));

    GetParam().open(*this);
    const AccessibleTree tree = TreeWhere([](const AccessibleTree& t) { return MenuShowing(t, "Edit"); });
    const AccessibleNode* title = NodeIn(tree, kExperiment, "menu item", "Edit");
    ASSERT_TRUE(title != nullptr && MenuShowing(tree, "Edit"));
    std::vector<std::string> enabled;
    for (const AccessibleNode* item :
         tree.Below(*title, [](const AccessibleNode& n) { return n.role == "menu item"; })) {
        if (item->Has("enabled")) enabled.push_back(item->name);
    }
    EXPECT_EQ(enabled, (std::vector<std::string>{"Paste", "Select All"}));
    EXPECT_TRUE(title->Has("enabled"));

    // Select All acts on the field, which Copy then proves; the menu title stays available.
    const AccessibleNode* selectAll = tree.Find("menu item", "Select All", title);
    ASSERT_NE(selectAll, nullptr);
    desktop::ClickAt(selectAll->Centre());
    ASSERT_TRUE(Eventually([this] { return !MenuShowing(program->Tree(), "Edit"); }));
    desktop::Keys({"ctrl+c"});
    EXPECT_TRUE(Eventually([] { return desktop::Clipboard() == "10"; })) << desktop::Clipboard();
    const AccessibleTree after = program->Tree();
    const AccessibleNode* titleAfter = NodeIn(after, kExperiment, "menu item", "Edit");
    ASSERT_NE(titleAfter, nullptr);
    EXPECT_TRUE(titleAfter->Has("enabled"));
}

INSTANTIATE_TEST_SUITE_P(Roads, EditMenuOnDesktop,
                         ::testing::Values(MenuRoad{"ClickOnItsTitle",
                                                    [](DesktopTest& test) {
                                                        ASSERT_TRUE(
                                                            test.Click(DesktopTest::kExperiment, "menu item", "Edit"));
                                                    }},
                                           MenuRoad{"ItsMnemonic", [](DesktopTest&) { desktop::Keys({"alt+e"}); }},
                                           MenuRoad{"ItsMnemonicAfterLeavingTheFileMenu",
                                                    [](DesktopTest& test) {
                                                        ASSERT_NO_FATAL_FAILURE(OpenFileMenuFirst(test));
                                                        desktop::Keys({"Escape"});
                                                        ASSERT_TRUE(test.Eventually([&] {
                                                            return !MenuShowing(test.program->Tree(), "File");
                                                        }));
                                                        desktop::Keys({"alt+e"});
                                                    }},
                                           MenuRoad{"ArrowFromTheFileMenu",
                                                    [](DesktopTest& test) {
                                                        ASSERT_NO_FATAL_FAILURE(OpenFileMenuFirst(test));
                                                        desktop::Keys({"Right"});
                                                    }}),
                         [](const auto& row) { return std::string(row.param.name); });

// With nothing to edit (the fields cleared, nothing on the clipboard) the Edit menu still opens,
// its items all disabled.
TEST_F(ExperimentWindowOnDesktop, EditMenuOpensWhenNothingCanBeEdited) {
    StartKestrow();
    ASSERT_TRUE(HandedOver());
    ASSERT_TRUE(Click(kExperiment, "push button", "Clear"));
    const auto emptyFieldFocused = [](const AccessibleNode& n) {
        return n.role == "text" && n.Has("focused") && n.text.empty();
    };
    ASSERT_TRUE(Eventually([&] {
        const auto tree = program->Tree();
        const AccessibleNode* window = WindowNode(tree, kExperiment);
        return window != nullptr && tree.Find(emptyFieldFocused, window) != nullptr;
    }));
    ASSERT_TRUE(Click(kExperiment, "menu item", "Edit"));
    const AccessibleTree tree = TreeWhere([](const AccessibleTree& t) { return MenuShowing(t, "Edit"); });
    const AccessibleNode* title = NodeIn(tree, kExperiment, "menu item", "Edit");
    ASSERT_TRUE(title != nullptr && MenuShowing(tree, "Edit")) << "the Edit menu did not open";
    EXPECT_TRUE(
        tree.Below(*title, [](const AccessibleNode& n) { return n.role == "menu item" && n.Has("enabled"); }).empty());
}

// ---- Pastes go into a field whole; Calculate's checks judge them and show their message.

struct PasteCase {
    const char* name;
    int tabs; // from Total Balls to the field
    std::string pasted;
    std::string message;
};
void PrintTo(const PasteCase& c, std::ostream* out) { *out << c.name; }

const std::string kTotalMessage = "The total number of balls can range from 2-100.";

class PasteOnDesktop : public DesktopTest, public ::testing::WithParamInterface<PasteCase> {};

// The five one-line text objects of the window, in tab order (the results area is multi-line).
std::vector<const AccessibleNode*> Fields(const AccessibleTree& tree) {
    const AccessibleNode* window = DesktopTest::WindowNode(tree, DesktopTest::kExperiment);
    if (window == nullptr) return {};
    return tree.Below(*window, [](const AccessibleNode& n) { return n.role == "text" && !n.Has("multi line"); });
}

const AccessibleNode* Results(const AccessibleTree& tree) {
    const AccessibleNode* window = DesktopTest::WindowNode(tree, DesktopTest::kExperiment);
    return window == nullptr
               ? nullptr
               : tree.Find([](const AccessibleNode& n) { return n.role == "text" && n.Has("multi line"); }, window);
}

TEST_P(PasteOnDesktop, GoesInWholeAndCalculateShowsTheCheckMessage) {
    const PasteCase& c = GetParam();
    StartKestrow();
    ASSERT_TRUE(HandedOver());
    const auto clipboard = desktop::OfferOnClipboard(c.pasted);
    ASSERT_TRUE(Eventually([&] { return desktop::Clipboard() == c.pasted; }));
    for (int i = 0; i < c.tabs; ++i) desktop::Keys({"Tab"});
    desktop::Keys({"ctrl+a", "ctrl+v"});
    const auto fieldHolds = [&](const AccessibleTree& t) {
        const auto fields = Fields(t);
        return fields.size() == 5 && fields[static_cast<std::size_t>(c.tabs)]->text == c.pasted &&
               fields[static_cast<std::size_t>(c.tabs)]->Has("focused");
    };
    ASSERT_TRUE(fieldHolds(TreeWhere(fieldHolds))) << "the field does not hold the whole paste";

    ASSERT_TRUE(Click(kExperiment, "push button", "Calculate"));
    const auto boxShowing = [](const AccessibleTree& t) {
        return t.Find([](const AccessibleNode& n) { return n.depth == 1 && n.role == "alert" && n.Has("showing"); }) !=
               nullptr;
    };
    const AccessibleTree withBox = TreeWhere(boxShowing);
    ASSERT_TRUE(boxShowing(withBox)) << "no message box";
    const AccessibleNode* box = withBox.Find([](const AccessibleNode& n) { return n.depth == 1 && n.role == "alert"; });
    EXPECT_NE(withBox.Find("label", c.message, box), nullptr) << "the box does not read: " << c.message;

    desktop::Keys({"Return"});
    // The focus is back in the field, still holding the paste, and nothing ran.
    const AccessibleTree after = TreeWhere([&](const AccessibleTree& t) { return !boxShowing(t) && fieldHolds(t); });
    EXPECT_TRUE(fieldHolds(after));
    ASSERT_NE(Results(after), nullptr);
    EXPECT_EQ(Results(after)->text, "");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PasteOnDesktop,
    ::testing::Values(
        PasteCase{"HundredIntoBallsToAdd", 3, "100", "The number of balls to add  on each trial can range from 0-10."},
        PasteCase{"HundredThousandIntoRepetitions", 4, "100000", "The number of repetitions can range from 1-10,000."},
        PasteCase{"LettersIntoTotal", 0, "ten", kTotalMessage},
        PasteCase{"HugeExponentIntoTotal", 0, "1e999", kTotalMessage},
        PasteCase{"TenThousandDigitsIntoRed", 1, std::string(10000, '9'),
                  "The number of red balls can range from 1-99."},
        PasteCase{"FullWidthDigitsIntoGreen", 2, "\xEF\xBC\x94", // U+FF14, a full-width 4
                  "The number of green balls can range from 1-99 but red + green must equal the total number of balls"},
        PasteCase{"EmojiIntoTotal", 0, "\xF0\x9F\x8E\xB2", kTotalMessage}), // U+1F3B2, a game die
    [](const auto& row) { return std::string(row.param.name); });

// ---- Asked for, the window comes back from minimised and to the front.

struct ShowRoad {
    const char* name;
    std::function<void(DesktopTest&)> prepare; // ends with another window of the program in front
    std::function<void(DesktopTest&)> ask;
};
void PrintTo(const ShowRoad& road, std::ostream* out) { *out << road.name; }

class ExperimentWindowComesBack : public DesktopTest, public ::testing::WithParamInterface<ShowRoad> {};

TEST_P(ExperimentWindowComesBack, WhenAskedForWhileMinimised) {
    StartKestrow();
    ASSERT_TRUE(HandedOver());
    ASSERT_NO_FATAL_FAILURE(GetParam().prepare(*this));
    ASSERT_TRUE(Minimised(kExperiment));
    ASSERT_NO_FATAL_FAILURE(GetParam().ask(*this));
    EXPECT_TRUE(InFront(kExperiment));
}

INSTANTIATE_TEST_SUITE_P(
    Roads, ExperimentWindowComesBack,
    ::testing::Values(
        ShowRoad{"ByWindowControlInTheHelpWindow",
                 [](DesktopTest& test) {
                     ASSERT_TRUE(test.Click(DesktopTest::kExperiment, "push button", "?"));
                     ASSERT_TRUE(test.InFront(DesktopTest::kHelp));
                 },
                 [](DesktopTest& test) { ASSERT_TRUE(test.ChooseMenuItem(DesktopTest::kHelp, "Window", "Control")); }},
        ShowRoad{"ByTheAboutWindowsHandOver",
                 [](DesktopTest& test) {
                     ASSERT_TRUE(test.ChooseMenuItem(DesktopTest::kExperiment, "File", "About Title"));
                     ASSERT_TRUE(test.InFront(DesktopTest::kAbout));
                 },
                 [](DesktopTest& test) { ASSERT_TRUE(test.Click(DesktopTest::kAbout, "label", "Kestrow")); }}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
