// Each reading runs xprop in the C locale, where it writes a text property as a quoted string
// with octal escapes for the bytes beyond ASCII; those are decoded back to UTF-8 here.
#include "Desktop.h"

#include <QProcessEnvironment>
#include <QRegularExpression>

namespace desktop {
namespace {

constexpr int kToolMs = 10000;

QString Hex(WindowId window) { return QStringLiteral("0x%1").arg(window, 0, 16); }

// The value part of xprop's one-line answer ("NAME = value", "NAME: window id # 0x1"), or empty.
std::string XpropValue(const QStringList& arguments) {
    const auto output = Run(QStringLiteral("xprop"), QStringList{"-notype"} + arguments);
    if (!output || output->find("not found") != std::string::npos) return {};
    const std::string& line = *output;
    const auto equals = line.find(" = ");
    const auto colon = line.find(": ");
    std::string value;
    if (equals != std::string::npos) {
        value = line.substr(equals + 3);
    } else if (colon != std::string::npos) {
        value = line.substr(colon + 2);
    }
    while (!value.empty() && value.back() == '\n') value.pop_back();
    return value;
}

// "\"a\\042b\\342\\200\\224\"" -> a"b— : a quoted xprop string back to its bytes.
std::string Unquoted(const std::string& value) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') return value;
    std::string bytes;
    for (std::size_t i = 1; i + 1 < value.size(); ++i) {
        if (value[i] != '\\' || i + 2 >= value.size()) {
            bytes += value[i];
        } else if (value[i + 1] >= '0' && value[i + 1] <= '7' && i + 4 < value.size()) {
            bytes += static_cast<char>(std::stoi(value.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            bytes += value[++i];
        }
    }
    return bytes;
}

std::vector<WindowId> WindowList(const std::string& value) {
    std::vector<WindowId> windows;
    const QRegularExpression hex(QStringLiteral("0x[0-9a-fA-F]+"));
    for (const auto& match : hex.globalMatch(QString::fromStdString(value))) {
        windows.push_back(match.captured().toULong(nullptr, 16));
    }
    return windows;
}

} // namespace

std::optional<std::string> Run(const QString& program, const QStringList& arguments, const QByteArray& input) {
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    tool.setProcessEnvironment(environment);
    tool.setStandardErrorFile(QProcess::nullDevice());
    tool.start(program, arguments);
    if (!input.isEmpty()) tool.write(input);
    tool.closeWriteChannel();
    if (!tool.waitForFinished(kToolMs)) {
        tool.kill();
        tool.waitForFinished();
        return std::nullopt;
    }
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) return std::nullopt;
    return tool.readAllStandardOutput().toStdString();
}

bool WindowManagerRunning() { return !WindowList(XpropValue({"-root", "_NET_SUPPORTING_WM_CHECK"})).empty(); }

std::vector<WindowId> ManagedWindows() { return WindowList(XpropValue({"-root", "_NET_CLIENT_LIST"})); }

std::string Property(WindowId window, const char* atom) {
    return Unquoted(XpropValue({"-id", Hex(window), QString::fromLatin1(atom)}));
}

std::string Title(WindowId window) { return Property(window, "_NET_WM_NAME"); }

bool IsMinimised(WindowId window) {
    return Property(window, "_NET_WM_STATE").find("_NET_WM_STATE_HIDDEN") != std::string::npos;
}

std::optional<WindowId> ActiveWindow() {
    const auto windows = WindowList(XpropValue({"-root", "_NET_ACTIVE_WINDOW"}));
    if (windows.empty() || windows.front() == 0) return std::nullopt;
    return windows.front();
}

void Keys(const QStringList& keys) { Run(QStringLiteral("xdotool"), QStringList{"key"} + keys); }

void ClickAt(QPoint onScreen) {
    Run(QStringLiteral("xdotool"),
        {"mousemove", QString::number(onScreen.x()), QString::number(onScreen.y()), "click", "1"});
}

void Minimise(WindowId window) { Run(QStringLiteral("xdotool"), {"windowminimize", "--sync", Hex(window)}); }

std::string Clipboard() {
    return Run(QStringLiteral("xclip"), {"-o", "-selection", "clipboard", "-t", "UTF8_STRING"}).value_or("");
}

std::unique_ptr<QProcess> OfferOnClipboard(const std::string& text) {
    auto owner = std::make_unique<QProcess>();
    owner->setStandardOutputFile(QProcess::nullDevice());
    owner->setStandardErrorFile(QProcess::nullDevice());
    owner->start(QStringLiteral("xclip"), {"-quiet", "-selection", "clipboard", "-t", "UTF8_STRING", "-i"});
    owner->write(QByteArray::fromStdString(text));
    owner->closeWriteChannel();
    return owner;
}

} // namespace desktop
