// Each call runs its tool and reads what it prints; the tree reader prints JSON, one object per node.
#include "Desktop.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace desktop {
namespace {

// The tool's output; empty when it failed or did not end within ten seconds.
QByteArray Run(const QString& program, const QStringList& arguments) {
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

} // namespace

std::vector<WindowId> RootWindows(const char* atom) {
    const QString ids = QString::fromLatin1(Run(QStringLiteral("xprop"), {"-root", QString::fromLatin1(atom)}));
    std::vector<WindowId> windows;
    for (const auto& match : QRegularExpression(QStringLiteral("0x[0-9a-f]+")).globalMatch(ids)) {
        if (const WindowId window = match.captured().toULong(nullptr, 16); window != 0) windows.push_back(window);
    }
    return windows;
}

QByteArray Properties(WindowId window) {
    return Run(QStringLiteral("xprop"), {"-notype", "-id", QString::number(window), "_NET_WM_PID", "WM_WINDOW_ROLE",
                                         "_NET_WM_STATE", "_NET_WM_NAME"});
}

void Keys(const QStringList& keys) { Run(QStringLiteral("xdotool"), QStringList{"key"} + keys); }

void ClickAt(QPoint onScreen) {
    Run(QStringLiteral("xdotool"),
        {"mousemove", QString::number(onScreen.x()), QString::number(onScreen.y()), "click", "1"});
}

void Minimise(WindowId window) {
    Run(QStringLiteral("xdotool"), {"windowminimize", "--sync", QString::number(window)});
}

std::string Clipboard() {
    return Run(QStringLiteral("xclip"), {"-o", "-selection", "clipboard", "-t", "UTF8_STRING"}).toStdString();
}

std::unique_ptr<QProcess> OfferOnClipboard(const std::string& text) {
    auto owner = std::make_unique<QProcess>();
    owner->setStandardOutputFile(QProcess::nullDevice());
    owner->start(QStringLiteral("xclip"), {"-quiet", "-selection", "clipboard", "-t", "UTF8_STRING", "-i"});
    owner->write(QByteArray::fromStdString(text));
    owner->closeWriteChannel();
    return owner;
}

Tree ReadTree(qint64 pid) {
    const QByteArray json =
        Run(QStringLiteral("/usr/bin/python3"), {KESTROW_ACCESSIBLE_TREE_READER, QString::number(pid)});
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

std::vector<const Node*> Below(const Tree& tree, const Node* under, const std::function<bool(const Node&)>& match) {
    std::vector<const Node*> found;
    for (std::size_t i = under != nullptr ? static_cast<std::size_t>(under - tree.data()) + 1 : 0;
         i < tree.size() && (under == nullptr || tree[i].depth > under->depth); ++i) {
        if (match(tree[i])) found.push_back(&tree[i]);
    }
    return found;
}

const Node* Find(const Tree& tree, const Node* under, const std::function<bool(const Node&)>& match) {
    const auto found = Below(tree, under, match);
    return found.empty() ? nullptr : found.front();
}

const Node* Find(const Tree& tree, const Node* under, const std::string& role, const std::string& name) {
    return Find(tree, under, [&](const Node& node) { return node.role == role && node.name == name; });
}

} // namespace desktop
