// The run-time class names of the program's three windows. A window asks for another by its name
// (fw::ImplicitWindow), so no window needs another's header.
#pragma once

namespace kestrow {

inline constexpr const char* kAboutWindowClass = "AboutWnd.AboutWnd";
inline constexpr const char* kExperimentWindowClass = "ControlWnd.ControlWnd";
inline constexpr const char* kHelpWindowClass = "helpWnd.helpWnd";

} // namespace kestrow
