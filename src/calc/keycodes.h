#pragma once

// The key codes of the calculator's key map: the Windows virtual-key numbering, in which a
// main-row digit or a letter key has the code of its character.
namespace calc::vk {

inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kInsert = 45;
inline constexpr int kDelete = 46;
inline constexpr int k0 = '0'; // main row: '0' … '9'
inline constexpr int k9 = '9';
inline constexpr int kC = 'C';
inline constexpr int kM = 'M';
inline constexpr int kR = 'R';
inline constexpr int kV = 'V';
inline constexpr int kKeypad0 = 96; // keypad: 96 … 105
inline constexpr int kKeypad9 = 105;
inline constexpr int kMultiply = 106;
inline constexpr int kAdd = 107;
inline constexpr int kSeparator = 108;
inline constexpr int kSubtract = 109;
inline constexpr int kDecimal = 110;
inline constexpr int kDivide = 111;
inline constexpr int kF1 = 112;

} // namespace calc::vk
