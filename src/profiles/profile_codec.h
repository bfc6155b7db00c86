// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "profiles/profile_fields.h"

namespace oza {

// One entry per field (table order), each holding one per card.
template <typename T>
using ProfileFieldTable = std::array<std::array<T, kProfileCards>, kProfileFields>;

// For each field and card, the index of the line in the document's lines
// that holds the field's value; none when the file has none.
using ValueLineTable = ProfileFieldTable<std::optional<std::size_t>>;

// A profile file as lines of bytes, and where each setting's value lies.
struct ProfileDocument {
  std::vector<std::string> lines;
  std::vector<std::string> lineEnds;  // each line's own end, kept as the file had it
  ValueLineTable valueLines{};
};

// The value of one setting of one card. A list field uses `entry`, the index
// into its entries (profileListEntries); a number field uses `number`, the
// number as the window shows it. None stands for a value line that holds no
// such value, or for no value line at all.
struct ProfileValue {
  std::optional<int> entry;
  std::optional<std::string> number;
  friend bool operator==(const ProfileValue&, const ProfileValue&) = default;
};
using ProfileValues = ProfileFieldTable<ProfileValue>;

enum class ProfileDecodeError {
  // A setting's name on the file's last line, where its value line is missing.
  NameWithoutValueLine,
};

// A decoded profile. On an error the lines are all there, the value lines
// and values only those found before it (cards in order, within a card the
// lines in order).
struct DecodedProfile {
  ProfileDocument document;
  ProfileValues values;
  std::optional<ProfileDecodeError> error;
};

// Finds the settings of the first cards in a file's bytes. A setting's name
// (key and card number) may stand anywhere in a line, and the line after it
// holds its value; a later name line overrides an earlier one.
DecodedProfile decodeProfile(const std::string& bytes);

// Whether a save can write field `f` of card `k`: its value line holds a
// quoted value. The editor offers no other box for editing, as its edit
// would be lost.
bool canWriteValue(const ProfileDocument& document, int f, int k);

// The document's lines with `values` put between the quotes of their value
// lines. A value that is none, or whose line has no quoted value, leaves
// its line as it is. Empty when a value cannot be written: a number that
// would break the file (isWritableValue) or an entry a list does not have.
std::optional<std::vector<std::string>> encodeProfile(const ProfileDocument& document, const ProfileValues& values);

}  // namespace oza
