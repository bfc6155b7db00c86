// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace oza {

// `text`, then `reason` on a line of its own when there is one: a message
// keeps its first line, and says why where that alone would mislead.
std::string withReason(const std::string& text, const std::string& reason);

// The text with its control characters (C0, DEL and C1) written as \xNN, so
// that printing a string from a file cannot move, retitle or clear a terminal.
std::string escapeControls(const std::string& text);

}  // namespace oza
