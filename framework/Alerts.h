// The modal message box and the alert sound, each behind a replaceable seam so that tests never
// block on a box and can count beeps.
#pragma once

#include <functional>
#include <string>

namespace fw {

// Shows `text` in a modal box and returns when the user dismisses it. Lines end with CR; one
// trailing CR shows no empty line.
void MsgBox(const std::string& text);
// The platform's alert sound, once.
void Beep();

// Replace the real box or sound; a null function restores the real one.
void SetMsgBoxHook(std::function<void(const std::string&)> hook);
void SetBeepHook(std::function<void()> hook);

namespace detail {
// Increases whenever a message box starts, so a push button can tell that its press handler ran a
// modal session (which swallowed the release of that press).
unsigned ModalSessionCount() noexcept;
} // namespace detail

} // namespace fw
