// The tools run to their end and are read whole; the tree reader prints JSON, one object per node.
// The fixture's steps read the desktop again (window manager, accessibility tree) until what they
// wait for shows, then act through real input.
#include "DesktopTest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest/QTest>

using namespace desktop;

namespace {

// The tool's output; empty when it failed or did not end within ten seconds.
QByteArray Tool(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.setStandardErrorFile(QProcess::nullDevice());
    tool.start(program, arguments);
    if (!tool.waitForFinished(10000)) {
        tool.kill();
        tool.waitForFinished();
        return {};
    }
    return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0 ? tool.readAllStandardOutput() : "";
}

// Empty while the program is not on the accessibility bus.
Tree ReadTree(qint64 pid) {
    const QByteArray json =
        Tool(QStringLiteral("/usr/bin/python3"), {KESTROW_ACCESSIBLE_TREE_READER, QString::number(pid)});
    Tree tree;
    for (const QJsonValue& value : QJsonDocument::fromJson(json).array()) {
        const QJsonObject node = value.toObject();
        const QJsonArray box = node["box"].toArray();
        tree.push_back({node["depth"].toInt(), node["role"].toString().toStdString(),
                        node["name"].toString().toStdString(), node["text"].toString().toStdString(),
                        node["states"].toVariant().toStringList(),
                        QRect(box[0].toInt(), box[1].toInt(), box[2].toInt(), box[3].toInt())});
    }
    return tree;
}

} // namespace

std::vector<WindowId> desktop::RootWindows(const char* atom) {
    const QString ids = QString::fromLatin1(Tool(QStringLiteral("xprop"), {"-root", QString::fromLatin1(atom)}));
    std::vector<WindowId> windows;
    for (const auto& match : QRegularExpression(QStringLiteral("0x[0-9a-f]+")).globalMatch(ids)) {
        if (const WindowId window = match.captured().toULong(nullptr, 16); window != 0) windows.push_back(window);
    }
    return windows;
}

QByteArray desktop::Properties(WindowId window) {
    return Tool(QStringLiteral("xprop"), {"-notype", "-id", QString::number(window), "_NET_WM_PID", "WM_WINDOW_ROLE",
                                          "_NET_WM_STATE", "_NET_WM_NAME", "WM_NORMAL_HINTS"});
}

// The window's own corner (xwininfo) less the frame's left and top edges (_NET_FRAME_EXTENTS: left,
// right, top, bottom).
std::optional<QPoint> desktop::FrameCorner(WindowId window) {
    const QString id = QString::number(window);
    const QString info = QString::fromLatin1(Tool(QStringLiteral("xwininfo"), {"-id", id}));
    const QString extents =
        QString::fromLatin1(Tool(QStringLiteral("xprop"), {"-notype", "-id", id, "_NET_FRAME_EXTENTS"}));
    const auto x = QRegularExpression(QStringLiteral("Absolute upper-left X: *(-?\\d+)")).match(info);
    const auto y = QRegularExpression(QStringLiteral("Absolute upper-left Y: *(-?\\d+)")).match(info);
    const auto edges = QRegularExpression(QStringLiteral("= (\\d+), \\d+, (\\d+), \\d+")).match(extents);
    if (!x.hasMatch() || !y.hasMatch() || !edges.hasMatch()) return std::nullopt;
    return QPoint(x.captured(1).toInt() - edges.captured(1).toInt(), y.captured(1).toInt() - edges.captured(2).toInt());
}

void desktop::Keys(const QStringList& keys) { Tool(QStringLiteral("xdotool"), QStringList{"key"} + keys); }

void desktop::ClickAt(QPoint onScreen) {
    Tool(QStringLiteral("xdotool"),
         {"mousemove", QString::number(onScreen.x()), QString::number(onScreen.y()), "click", "1"});
}

std::string desktop::Clipboard() {
    return Tool(QStringLiteral("xclip"), {"-o", "-selection", "clipboard", "-t", "UTF8_STRING"}).toStdString();
}

std::unique_ptr<QProcess> desktop::OfferOnClipboard(const std::string& text) {
    auto owner = std::make_unique<QProcess>();
    owner->setStandardOutputFile(QProcess::nullDevice());
    owner->start(QStringLiteral("xclip"), {"-quiet", "-selection", "clipboard", "-t", "UTF8_STRING", "-i"});
    owner->write(QByteArray::fromStdString(text));
    owner->closeWriteChannel();
    return owner;
}

std::vector<const Node*> desktop::Below(const Tree& tree, const Node* under,
                                        const std::function<bool(const Node&)>& match) {
    std::vector<const Node*> found;
    for (std::size_t i = under != nullptr ? static_cast<std::size_t>(under - tree.data()) + 1 : 0;
         i < tree.size() && (under == nullptr || tree[i].depth > under->depth); ++i) {
        if (match(tree[i])) found.push_back(&tree[i]);
    }
    return found;
}

const Node* desktop::Find(const Tree& tree, const Node* under, const std::function<bool(const Node&)>& match) {
    const auto found = Below(tree, under, match);
    return found.empty() ? nullptr : found.front();
}

const Node* desktop::Find(const Tree& tree, const Node* under, const std::string& role, const std::string& name) {
    return Find(tree, under, [&](const Node& node) { return node.role == role && node.name == name; });
}

DesktopTest::~DesktopTest() {
    program_.kill();
    program_.waitForFinished();
    bells_.closeWriteChannel();
    bells_.waitForFinished();
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

bool DesktopTest::InFront(const char* className) {
    return Eventually([&] {
        const auto window = Active(className);
        return window && !Properties(*window).contains("_STATE_HIDDEN");
    });
}

bool DesktopTest::Minimised(const char* className) {
    const auto window = Window(className);
    if (window) Tool(QStringLiteral("xdotool"), {"windowminimize", "--sync", QString::number(*window)});
    return window && Eventually([&] { return Properties(*window).contains("_STATE_HIDDEN"); });
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

bool DesktopTest::WatchBells() {
    bells_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    bells_.start(QStringLiteral(KESTROW_BELL_WATCHER));
    return Eventually([this] { return (heard_ += bells_.readAllStandardOutput()).startsWith("ready\n"); });
}

std::optional<int> DesktopTest::BellsRung() {
    bells_.write("\n"); // rings a marked bell, reported after those rung before it
    ++marks_;
    if (!Eventually([this] { return (heard_ += bells_.readAllStandardOutput()).count("mark\n") == marks_; }))
        return std::nullopt;
    return static_cast<int>(heard_.count("bell\n"));
}
