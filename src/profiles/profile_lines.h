// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace oza {

// The profile file is handled as lines of bytes, not parsed as XML, so that
// every line the editor does not touch goes back to the file unchanged.

// Splits a file into lines without their ends. CR LF, a lone CR and a lone
// LF each end a line; an end at the very end of the file starts no further
// line. With `ends`, each line's end goes there ("" for a last line without).
std::vector<std::string> splitProfileLines(const std::string& bytes, std::vector<std::string>* ends = nullptr);

// The lines as a file, each followed by its end in `ends`, or by CR LF where
// `ends` has none; so a file goes back as it came, with CR-only or LF-only
// lines too.
std::string joinProfileLines(const std::vector<std::string>& lines, const std::vector<std::string>& ends = {});

// Where the quoted text after the first `value="` (any letter case) of a line
// lies. Empty when the line has no such opening or no closing quote after it:
// such a line holds no value the editor can show or replace.
struct ValueSpan {
  std::size_t start = 0;
  std::size_t length = 0;
};
std::optional<ValueSpan> findQuotedValue(const std::string& line);

// The line with its quoted value replaced by `value`; a line without one is
// returned as it is.
std::string replaceQuotedValue(const std::string& line, const std::string& value);

// The number at the start of a value as the window shows it: plain decimal
// text without leading zeros or trailing zero decimals; "0" when the value
// does not start with a number ("050" -> "50", "50%" -> "50", "abc" -> "0").
std::string shownNumber(const std::string& value);

// Whether a value can go between the quotes without breaking the line or the
// file's XML: printable ASCII other than the double quote, '<' and '&'.
bool isWritableValue(const std::string& value);

}  // namespace oza
