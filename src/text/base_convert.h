#pragma once

#include <optional>
#include <string>

namespace oza {

class Platform;

// Converts a number text between bases 2..36 (digits 0-9 then A-Z, any case).
// Nothing for an empty text, a base outside 2..36, a character that is no
// digit of the from-base, or a value too large to convert exactly.
std::optional<std::string> baseConvert(const std::string& text, int fromBase, int toBase);

// Pads `text` on the left with "0" to length n and stores the result back.
// A text longer than n gives the empty text (and stays unchanged); n above
// 1000 shows "Biste bescheuert?" and gives the empty text.
std::string padLeftZeros(int n, std::string& text, Platform& platform);

// padLeftZeros for the fixed field widths used inside the program, which can
// never reach the message.
std::string padLeft(int n, std::string text);

}  // namespace oza
