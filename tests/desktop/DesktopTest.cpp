// The fixture's steps: each reads the desktop again (window manager, accessibility tree) until
// what it waits for shows, then acts through real input.
#include "DesktopTest.h"

#include <QtTest/QTest>

bool DesktopTest::Eventually(const std::function<bool()>& condition, int timeoutMs) {
    return QTest::qWaitFor(condition, timeoutMs);
}

void DesktopTest::StartKestrow() {
    program = std::make_unique<RunningProgram>(QStringLiteral(KESTROW_PROGRAM), QStringList{});
}

void DesktopTest::StartProbe(const QStringList& arguments) {
    program = std::make_unique<RunningProgram>(QStringLiteral(KESTROW_DESKTOP_PROBE), arguments);
}

::testing::AssertionResult DesktopTest::HandedOver() {
    if (!Eventually([this] { return program->IsActive(kExperiment) && !program->Window(kAbout); })) {
        return ::testing::AssertionFailure() << "the About window did not hand over to the experiment window";
    }
    const auto tree = TreeWhere([](const AccessibleTree& t) {
        const AccessibleNode* window = WindowNode(t, kExperiment);
        return window != nullptr && window->Has("showing");
    });
    if (WindowNode(tree, kExperiment) == nullptr) {
        return ::testing::AssertionFailure() << "no experiment window for screen readers";
    }
    return ::testing::AssertionSuccess();
}

AccessibleTree DesktopTest::TreeWhere(const std::function<bool(const AccessibleTree&)>& ready, int timeoutMs) {
    AccessibleTree tree;
    Eventually(
        [&] {
            tree = program->Tree();
            return ready(tree);
        },
        timeoutMs);
    return tree;
}

const AccessibleNode* DesktopTest::WindowNode(const AccessibleTree& tree, const std::string& className) {
    for (const AccessibleNode* window : tree.Windows()) {
        const bool calculate = tree.Find("push button", "Calculate", window) != nullptr;
        const bool menuBar =
            tree.Find([](const AccessibleNode& node) { return node.role == "menu bar"; }, window) != nullptr;
        const bool nameLabel = tree.Find("label", "Kestrow", window) != nullptr;
        if ((className == kExperiment && calculate) || (className == kHelp && menuBar && !calculate) ||
            (className == kAbout && nameLabel && !menuBar)) {
            return window;
        }
    }
    return nullptr;
}

const AccessibleNode* DesktopTest::NodeIn(const AccessibleTree& tree, const std::string& className,
                                          const std::string& role, const std::string& name) {
    const AccessibleNode* window = WindowNode(tree, className);
    return window != nullptr ? tree.Find(role, name, window) : nullptr;
}

namespace {

bool OnScreen(const AccessibleNode* node) {
    return node != nullptr && node->Has("showing") && !node->extents.isEmpty();
}

} // namespace

::testing::AssertionResult DesktopTest::Click(const std::string& className, const std::string& role,
                                              const std::string& name) {
    const auto tree = TreeWhere([&](const AccessibleTree& t) { return OnScreen(NodeIn(t, className, role, name)); });
    const AccessibleNode* node = NodeIn(tree, className, role, name);
    if (!OnScreen(node)) {
        return ::testing::AssertionFailure() << "no " << role << " '" << name << "' on the screen in " << className;
    }
    desktop::ClickAt(node->Centre());
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult DesktopTest::ChooseMenuItem(const std::string& className, const std::string& menu,
                                                       const std::string& item) {
    if (auto clicked = Click(className, "menu item", menu); !clicked) return clicked;
    const auto itemIn = [&](const AccessibleTree& t) {
        const AccessibleNode* title = NodeIn(t, className, "menu item", menu);
        return title != nullptr ? t.Find("menu item", item, title) : nullptr;
    };
    const auto tree = TreeWhere([&](const AccessibleTree& t) { return OnScreen(itemIn(t)); });
    const AccessibleNode* node = itemIn(tree);
    if (!OnScreen(node)) return ::testing::AssertionFailure() << "the menu " << menu << " showed no item " << item;
    desktop::ClickAt(node->Centre());
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult DesktopTest::Minimised(const std::string& className) {
    const auto window = program->Window(className);
    if (!window) return ::testing::AssertionFailure() << className << " is not on the screen";
    desktop::Minimise(*window);
    if (!Eventually([&] { return desktop::IsMinimised(*window); })) {
        return ::testing::AssertionFailure() << "the window manager did not minimise " << className;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult DesktopTest::InFront(const std::string& className) {
    std::optional<desktop::WindowId> window;
    if (Eventually([&] {
            window = program->Window(className);
            return window && !desktop::IsMinimised(*window) && desktop::ActiveWindow() == window;
        })) {
        return ::testing::AssertionSuccess();
    }
    if (!window) return ::testing::AssertionFailure() << className << " is hidden";
    return ::testing::AssertionFailure() << className
                                         << (desktop::IsMinimised(*window) ? " stays minimised" : " is not active");
}
