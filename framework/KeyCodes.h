// The key texts that KeyDown handlers receive for the editing and movement keys: one control
// character each. A printable key comes as its own character, in UTF-8.
#pragma once

namespace fw::key {

inline constexpr char kHome = '\x01';
inline constexpr char kEnter = '\x03'; // the keypad's
inline constexpr char kEnd = '\x04';
inline constexpr char kBackspace = '\x08';
inline constexpr char kTab = '\x09';
inline constexpr char kPageUp = '\x0B';
inline constexpr char kPageDown = '\x0C';
inline constexpr char kReturn = '\x0D';
inline constexpr char kEscape = '\x1B';
inline constexpr char kLeft = '\x1C';
inline constexpr char kRight = '\x1D';
inline constexpr char kUp = '\x1E';
inline constexpr char kDown = '\x1F';
inline constexpr char kDelete = '\x7F';

} // namespace fw::key
