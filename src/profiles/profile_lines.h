// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace oza {

// The profile file is handled as lines of bytes, not parsed as XML, so that
// every line the editor does not touch goes back to the file unchanged.

// Splits a file into lines without their ends. An LF ends a line together
// with the CRs right before it (CR LF, CR CR LF, ...); a CR that no LF
// follows ends a line alone, as does an LF after another end. An end at the
// very end of the file starts no further line. With `ends`, each line's end
// goes there ("" for a last line without).
std::vector<std::string> splitProfileLines(const std::string& bytes, std::vector<std::string>* ends = nullptr);

// The lines as a file, each followed by its end in `ends`, or by CR LF where
// `ends` has none; so a file goes back as it came, with CR-only or LF-only
// lines too.
std::string joinProfileLines(const std::vector<std::string>& lines, const std::vector<std::string>& ends = {});

// Where the quoted text after the first `value="` or `value='` (any letter
// case) of a line lies, and its quote character. Empty when the line has no
// such opening or no closing quote of the same kind after it: such a line
// holds no value the editor can show or replace.
struct ValueSpan {
  std::size_t start = 0;
  std::size_t length = 0;
  char quote = '"';
};
std::optional<ValueSpan> findQuotedValue(const std::string& line);

// The line with its quoted value replaced by `value`; a line without one is
// returned as it is.
std::string replaceQuotedValue(const std::string& line, const std::string& value);

// The number at the start of a value as the window shows it: plain decimal
// text of at most 15 significant digits, without leading zeros or trailing
// zero decimals, "." as its point whatever the locale; "0" when the value
// does not start with a number ("050" -> "50", "50%" -> "50", "abc" -> "0").
std::string shownNumber(const std::string& value);

// Whether a value can go between `quote`s without breaking the line or the
// file's XML: printable ASCII other than the double quote, `quote`, '<' and
// '&'.
bool isWritableValue(const std::string& value, char quote = '"');

}  // namespace oza
