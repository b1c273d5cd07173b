// What holds for every window, seen through the framework probe on a real desktop: a message box
// shows its text as given, never as markup, and one face draws the whole interface.
#include "DesktopTest.h"

#include <set>
#include <sstream>

namespace {

using WholeProgramOnDesktop = DesktopTest;

TEST_F(WholeProgramOnDesktop, MessageBoxShowsItsTextAsGivenAndOneFaceDrawsEverything) {
    Start(QStringLiteral(KESTROW_DESKTOP_PROBE), {"<b>Total</b> & <i>2-100</i>\rsecond line\r"});
    const auto box = [](const desktop::Tree& t) {
        return Find(t, nullptr,
                    [](const desktop::Node& n) { return n.depth == 1 && n.role == "alert" && n.Has("active"); });
    };
    const desktop::Tree tree = TreeWhere(box);
    ASSERT_NE(box(tree), nullptr);
    std::vector<std::string> texts;
    for (const desktop::Node* label : Below(tree, box(tree), [](const desktop::Node& n) { return n.role == "label"; }))
        if (!label->name.empty()) texts.push_back(label->name);
    EXPECT_EQ(texts, std::vector<std::string>{"<b>Total</b> & <i>2-100</i>\nsecond line"});
    desktop::Keys({"Return"});
    ASSERT_EQ(Exit(), 0);

    // Each line: "window, Qt class: face drawn"; the results area in the fixed-pitch face.
    std::set<std::string> pieces;
    std::istringstream lines(Output());
    for (std::string line; std::getline(lines, line);) {
        const auto colon = line.rfind(": ");
        pieces.insert(line.substr(0, colon));
        const bool results = line.starts_with("ControlWnd.ControlWnd, QPlainTextEdit");
        EXPECT_EQ(line.substr(colon + 2), results ? "Liberation Mono" : "Liberation Sans") << line;
    }
    EXPECT_EQ(pieces, (std::set<std::string>{
                          "ControlWnd.ControlWnd, QMenuBar", "ControlWnd.ControlWnd, QMenu",
                          "ControlWnd.ControlWnd, QLabel", "ControlWnd.ControlWnd, QLineEdit",
                          "ControlWnd.ControlWnd, QPushButton", "ControlWnd.ControlWnd, QPlainTextEdit",
                          "helpWnd.helpWnd, QMenuBar", "helpWnd.helpWnd, QMenu", "helpWnd.helpWnd, QPlainTextEdit",
                          "AboutWnd.AboutWnd, QLabel", "message box, QLabel", "message box, QPushButton"}));
}

} // namespace
