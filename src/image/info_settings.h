// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace oza {

// The strings of the information tab after the date, in box order: BIOS
// version, chip type, hardware specs, copyright, ATOM BIOS version and power
// cable message.
inline constexpr int kInfoStrings = 6;

// What the information boxes hold, for messages: the date, then the strings
// in box order.
inline constexpr const char* kInfoBoxMeanings[kInfoStrings + 1] = {
    "date",      "BIOS version",      "chip type",          "hardware specs text",
    "copyright", "ATOM BIOS version", "power cable message"};

// What a save writes into the information fields: only what the user
// changed, each text already fitted to the bytes it replaces.
struct InfoChanges {
  std::optional<std::string> date;
  std::array<std::optional<std::string>, kInfoStrings> strings;
  // The first string (in box order) longer than the one it would replace;
  // nothing may be written then.
  std::optional<int> tooLong;
  bool subVendorChanged = false;
  std::optional<std::uint16_t> subVendorId;  // none: the changed box names no ID
  std::optional<std::uint16_t> cardId;
};

}  // namespace oza
