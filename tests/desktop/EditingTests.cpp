// Editing in the experiment window on a real desktop: the Edit menu offers and does the edits of
// the field that had the focus before the menu bar took it, over its selection too, and opens when
// nothing can be edited; a key that a field's filter drops rings the bell; a paste goes into a
// field whole, for Calculate's checks to judge.
#include "DesktopTest.h"

namespace {

using desktop::Node;
using desktop::Tree;

const Node* MenuTitle(const Tree& tree, const char* title) {
    return Find(tree, DesktopTest::WindowNode(tree, kExperiment), "menu item", title);
}

// Whether the experiment window's menu of that title shows; with no title, whether no menu shows.
bool Shows(const Tree& tree, const char* title) {
    const auto popup = [](const Node& node) { return node.role == "popup menu" && node.Has("showing"); };
    if (title == nullptr) return !tree.empty() && Find(tree, nullptr, popup) == nullptr;
    return MenuTitle(tree, title) != nullptr && Find(tree, MenuTitle(tree, title), popup) != nullptr;
}

std::vector<std::string> EnabledItems(const Tree& tree, const Node* menu) {
    std::vector<std::string> names;
    for (const Node* item : Below(tree, menu, [](const Node& n) { return n.role == "menu item" && n.Has("enabled"); }))
        names.push_back(item->name);
    return names;
}

struct MenuRoad {
    const char* name;
    std::vector<std::pair<const char*, const char*>> keys; // each key, and the menu that shows after it
};
void PrintTo(const MenuRoad& road, std::ostream* out) { *out << road.name; }

class EditMenuOnDesktop : public DesktopTest, public ::testing::WithParamInterface<MenuRoad> {};

TEST_P(EditMenuOnDesktop, OffersAndDoesTheEditsOfTheFocusedField) {
    Start(QStringLiteral(KESTROW_PROGRAM));
    ASSERT_TRUE(InFront(kExperiment)); // the focus in Total Balls, which holds "10"; the clipboard empty
    Tree tree;
    for (const auto& step : GetParam().keys) {
        desktop::Keys({step.first});
        tree = TreeWhere([&](const Tree& t) { return Shows(t, step.second); });
        ASSERT_TRUE(Shows(tree, step.second)) << step.first;
    }
    const Node* edit = MenuTitle(tree, "Edit");
    EXPECT_EQ(EnabledItems(tree, edit), std::vector<std::string>{"Select All"});
    // Select All acts on the field, which Copy then proves.
    const Node* selectAll = Find(tree, edit, "menu item", "Select All");
    ASSERT_NE(selectAll, nullptr);
    desktop::ClickAt(selectAll->box.center());
    ASSERT_TRUE(Shows(TreeWhere([](const Tree& t) { return Shows(t, nullptr); }), nullptr));
    desktop::Keys({"ctrl+c"});
    EXPECT_TRUE(Eventually([] { return desktop::Clipboard() == "10"; })) << desktop::Clipboard();
}

INSTANTIATE_TEST_SUITE_P(Roads, EditMenuOnDesktop,
                         ::testing::Values(MenuRoad{"ItsMnemonic", {{"alt+e", "Edit"}}},
                                           MenuRoad{"ItsMnemonicAfterLeavingTheFileMenu",
                                                    {{"alt+f", "File"}, {"Escape", nullptr}, {"alt+e", "Edit"}}},
                                           MenuRoad{"ArrowFromTheFileMenu", {{"alt+f", "File"}, {"Right", "Edit"}}}),
                         [](const auto& row) { return std::string(row.param.name); });

// The focused field's one-line text object in the experiment window.
const Node* FocusedField(const Tree& tree) {
    return Find(tree, DesktopTest::WindowNode(tree, kExperiment),
                [](const Node& n) { return n.role == "text" && n.Has("focused") && !n.Has("multi line"); });
}

struct SelectionCase {
    const char* name;
    QStringList keys; // once the Edit menu shows over "42", all selected in Total Balls
    std::string field, clipboard;
};
void PrintTo(const SelectionCase& c, std::ostream* out) { *out << c.name; }

class EditMenuOverASelection : public DesktopTest, public ::testing::WithParamInterface<SelectionCase> {};

// The menu bar takes the focus from the field; the field's selection stays for the Edit commands.
TEST_P(EditMenuOverASelection, ActsOnItFromTheKeyboard) {
    const SelectionCase& c = GetParam();
    Start(QStringLiteral(KESTROW_PROGRAM));
    ASSERT_TRUE(InFront(kExperiment));
    desktop::Keys({"ctrl+a", "4", "2", "ctrl+a", "alt+e"});
    const Tree tree = TreeWhere([](const Tree& t) { return Shows(t, "Edit"); });
    ASSERT_TRUE(Shows(tree, "Edit"));
    EXPECT_EQ(EnabledItems(tree, MenuTitle(tree, "Edit")), (std::vector<std::string>{"Undo", "Cut", "Copy", "Delete"}));
    desktop::Keys(c.keys);
    const auto done = [&](const Tree& t) {
        return Shows(t, nullptr) && FocusedField(t) != nullptr && FocusedField(t)->text == c.field;
    };
    EXPECT_TRUE(done(TreeWhere(done)));
    EXPECT_EQ(desktop::Clipboard(), c.clipboard);
}

INSTANTIATE_TEST_SUITE_P(Commands, EditMenuOverASelection,
                         ::testing::Values(SelectionCase{"Copy", {"c"}, "42", "42"},
                                           SelectionCase{"Cut", {"t"}, "", "42"},
                                           SelectionCase{"Delete", {"d"}, "", ""},
                                           // Out of the menu and the menu bar: a key replaces the selection.
                                           SelectionCase{"NoneThenTyping", {"Escape", "Escape", "7"}, "7", ""}),
                         [](const auto& row) { return std::string(row.param.name); });

using KeyFilterOnDesktop = DesktopTest;

// A key that the filter drops rings the desktop's bell, once; a digit goes in without it.
TEST_F(KeyFilterOnDesktop, RingsTheBellForALetterAndNotForADigit) {
    ASSERT_TRUE(WatchBells());
    Start(QStringLiteral(KESTROW_PROGRAM));
    ASSERT_TRUE(InFront(kExperiment));
    desktop::Keys({"ctrl+a", "x", "5"}); // over "10", all selected
    const auto typed = [](const Tree& t) { return FocusedField(t) != nullptr && FocusedField(t)->text == "5"; };
    ASSERT_TRUE(typed(TreeWhere(typed)));
    EXPECT_EQ(BellsRung(), 1);
}

using EditMenuWithNothingToEdit = DesktopTest;

// The fields cleared and nothing on the clipboard: the Edit menu still opens, its items all disabled.
TEST_F(EditMenuWithNothingToEdit, OpensWithItsItemsDisabled) {
    Start(QStringLiteral(KESTROW_PROGRAM));
    ASSERT_TRUE(Click(kExperiment, {{"push button", "Clear"}}));
    const auto emptyFocused = [](const Node& n) { return n.role == "text" && n.Has("focused") && n.text.empty(); };
    TreeWhere([&](const Tree& t) { return Find(t, WindowNode(t, kExperiment), emptyFocused) != nullptr; });
    ASSERT_TRUE(Click(kExperiment, {{"menu item", "Edit"}}));
    const Tree tree = TreeWhere([](const Tree& t) { return Shows(t, "Edit"); });
    ASSERT_TRUE(Shows(tree, "Edit"));
    EXPECT_EQ(EnabledItems(tree, MenuTitle(tree, "Edit")), std::vector<std::string>{});
}

struct PasteCase {
    const char* name;
    int tabs; // from Total Balls to the field
    std::string pasted;
};
void PrintTo(const PasteCase& c, std::ostream* out) { *out << c.name; }

class PasteOnDesktop : public DesktopTest, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(PasteOnDesktop, GoesInWhole) {
    const PasteCase& c = GetParam();
    const auto clipboard = desktop::OfferOnClipboard(c.pasted);
    Start(QStringLiteral(KESTROW_PROGRAM));
    ASSERT_TRUE(InFront(kExperiment));
    ASSERT_TRUE(Eventually([&] { return desktop::Clipboard() == c.pasted; }));
    for (int i = 0; i < c.tabs; ++i) desktop::Keys({"Tab"});
    desktop::Keys({"ctrl+a", "ctrl+v"});
    // The five one-line text objects of the window, in tab order (the results area is multi-line).
    const auto fields = [](const Tree& t) {
        return Below(t, WindowNode(t, kExperiment),
                     [](const Node& n) { return n.role == "text" && !n.Has("multi line"); });
    };
    const auto holds = [&](const Tree& t) {
        const auto shown = fields(t);
        return shown.size() == 5 && shown[static_cast<std::size_t>(c.tabs)]->Has("focused") &&
               shown[static_cast<std::size_t>(c.tabs)]->text == c.pasted;
    };
    EXPECT_TRUE(holds(TreeWhere(holds)));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PasteOnDesktop,
    ::testing::Values(PasteCase{"HundredIntoBallsToAdd", 3, "100"}, PasteCase{"LettersIntoTotal", 0, "ten"},
                      // Beyond QLineEdit's own limit of 32767 characters.
                      PasteCase{"FortyThousandDigitsIntoRed", 1, std::string(40000, '9')},
                      PasteCase{"FullWidthDigitIntoGreen", 2, "\xEF\xBC\x94"}, // U+FF14, a full-width 4
                      PasteCase{"EmojiIntoTotal", 0, "\xF0\x9F\x8E\xB2"}),     // U+1F3B2, a game die
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
