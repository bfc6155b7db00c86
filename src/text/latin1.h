// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

namespace oza {

// The image's strings are single bytes (one character per byte, Latin-1);
// the controls hold UTF-8.
std::string latin1ToUtf8(const std::string& bytes);
// UTF-8 to one byte per character; empty when a character has no 8-bit code
// or the text is not valid UTF-8.
std::optional<std::string> utf8ToLatin1(const std::string& text);
// Same, with '?' for a character without an 8-bit code.
std::string utf8ToLatin1Lossy(const std::string& text);
// The first character of a UTF-8 text that has no 8-bit code, as its UTF-8
// bytes (a byte that is no valid UTF-8 alone); nothing when every one has.
std::optional<std::string> firstNonLatin1(const std::string& text);
// "U+20AC" for a character given as UTF-8; "byte 0xFF" for invalid UTF-8.
std::string characterName(const std::string& character);
// Number of characters of a UTF-8 text.
std::size_t utf8Length(const std::string& text);
// The first `count` characters of a UTF-8 text.
std::string utf8Prefix(const std::string& text, std::size_t count);

}  // namespace oza
