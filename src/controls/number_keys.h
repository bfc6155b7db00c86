// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace oza {

// Characters a number box holds: digits and the point.
inline bool numberCharacter(char c) { return (c >= '0' && c <= '9') || c == '.'; }

// Characters a number box takes from the keyboard: digits, the point,
// Backspace, Enter and the clipboard keys Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z.
inline bool numberKeyAccepted(char c) {
  return numberCharacter(c) || c == 8 || c == 13 || c == 3 || c == 22 || c == 24 || c == 26;
}

}  // namespace oza
