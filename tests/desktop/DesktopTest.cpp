// The fixture's steps read the desktop again (window manager, accessibility tree) until what they
// wait for shows, then act through real input.
#include "DesktopTest.h"

#include <QtTest/QTest>

using namespace desktop;

DesktopTest::~DesktopTest() {
    program_.kill();
    program_.waitForFinished();
}

bool DesktopTest::Eventually(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 15000); }

void DesktopTest::Start(const QString& program, const QStringList& arguments) {
    program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program_.start(program, arguments);
    ASSERT_TRUE(program_.waitForStarted());
}

std::optional<int> DesktopTest::Exit() {
    if (!Eventually([this] { return program_.state() == QProcess::NotRunning; })) return std::nullopt;
    return program_.exitStatus() == QProcess::NormalExit ? std::optional(program_.exitCode()) : std::nullopt;
}

std::optional<WindowId> DesktopTest::Window(const char* className) {
    const QByteArray pid = "_NET_WM_PID = " + QByteArray::number(program_.processId()) + "\n";
    const QByteArray role = "WM_WINDOW_ROLE = \"" + QByteArray(className) + "\"\n";
    std::vector<WindowId> found;
    for (const WindowId window : RootWindows("_NET_CLIENT_LIST")) {
        const QByteArray properties = Properties(window);
        if (properties.contains(pid) && properties.contains(role)) found.push_back(window);
    }
    return found.size() == 1 ? std::optional(found.front()) : std::nullopt;
}

std::optional<WindowId> DesktopTest::Active(const char* className) {
    const auto window = Window(className);
    return window && RootWindows("_NET_ACTIVE_WINDOW") == std::vector{*window} ? window : std::nullopt;
}

::testing::AssertionResult DesktopTest::InFront(const char* className) {
    const auto inFront = [&] {
        const auto window = Active(className);
        return window && !Properties(*window).contains("_STATE_HIDDEN");
    };
    if (Eventually(inFront)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << className << " is not in front";
}

::testing::AssertionResult DesktopTest::Minimised(const char* className) {
    const auto window = Window(className);
    if (window) desktop::Minimise(*window);
    if (window && Eventually([&] { return Properties(*window).contains("_STATE_HIDDEN"); }))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << className << " was not minimised";
}

Tree DesktopTest::TreeWhere(const std::function<bool(const Tree&)>& ready) {
    Tree tree;
    Eventually([&] { return ready(tree = ReadTree(program_.processId())); });
    return tree;
}

const Node* DesktopTest::WindowNode(const Tree& tree, const char* className) {
    for (const Node* window : Below(tree, nullptr, [](const Node& node) { return node.depth == 1; })) {
        const bool menuBar = Find(tree, window, [](const Node& node) { return node.role == "menu bar"; }) != nullptr;
        const char* holds = Find(tree, window, "push button", "Calculate") ? kExperiment
                            : menuBar                                      ? kHelp
                            : Find(tree, window, "label", "Kestrow")       ? kAbout
                                                                           : "";
        if (std::string(holds) == className) return window;
    }
    return nullptr;
}

::testing::AssertionResult DesktopTest::Click(const char* className, const Path& path) {
    for (std::size_t step = 0; step < path.size(); ++step) {
        const auto onScreen = [&](const Tree& tree) {
            const Node* node = WindowNode(tree, className);
            for (std::size_t i = 0; node != nullptr && i <= step; ++i)
                node = Find(tree, node, path[i].first, path[i].second);
            return node != nullptr && node->Has("showing") && !node->box.isEmpty() ? node : nullptr;
        };
        const Tree tree = TreeWhere(onScreen);
        const Node* node = onScreen(tree);
        if (node == nullptr) return ::testing::AssertionFailure() << "no " << path[step].second << " on the screen";
        ClickAt(node->box.center());
    }
    return ::testing::AssertionSuccess();
}
