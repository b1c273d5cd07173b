// The desktop as a user's own tools see and drive it: xprop for what the window manager shows
// (titles, window states, the active window), xdotool for real keyboard and mouse input through
// the X server, xclip for the clipboard. Every call runs the tool to its end.
#pragma once

#include <QByteArray>
#include <QPoint>
#include <QProcess>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace desktop {

using WindowId = unsigned long;

// The tool's output, or nothing when it failed or did not finish within ten seconds.
std::optional<std::string> Run(const QString& program, const QStringList& arguments, const QByteArray& input = {});

bool WindowManagerRunning();
// The windows the window manager manages (shown or minimised, not hidden), in the order they were mapped.
std::vector<WindowId> ManagedWindows();
// A window property as xprop prints it after the "=" (texts unquoted and unescaped), empty when unset.
std::string Property(WindowId window, const char* atom);
// The title the window manager shows (_NET_WM_NAME).
std::string Title(WindowId window);
// Minimised (_NET_WM_STATE_HIDDEN).
bool IsMinimised(WindowId window);
std::optional<WindowId> ActiveWindow();

// Key presses as xdotool names them ("alt+e", "ctrl+v", "Escape"), one after the other.
void Keys(const QStringList& keys);
void ClickAt(QPoint onScreen);
// As the window's minimise button does.
void Minimise(WindowId window);

// What a paste would get: the clipboard's text.
std::string Clipboard();
// A program that holds `text` on the clipboard until it is destroyed (it has taken the clipboard
// once Clipboard() reads the text).
std::unique_ptr<QProcess> OfferOnClipboard(const std::string& text);

} // namespace desktop
