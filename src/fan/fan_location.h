// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "fan/fan_layout.h"
#include "image/byte_image.h"

namespace oza {

// Where the load found the thermal controller's settings, and the raw values
// its percentages refer to.
struct FanLocation {
  std::int32_t commandTablePosition = 0;
  // Where the fan-control command table starts; the searches start here (at
  // the image's start when the pointer chain could not be read).
  std::int32_t fanControlPosition = 0;
  FanTableType tableType = FanTableType::None;
  // The immediates of the three register writes.
  std::array<std::optional<std::int64_t>, 3> registerPositions;
  std::int32_t dutyScale = 0;        // raw duty that means 100 % in the registers and a type-1 table
  std::int16_t type2SpeedScale = 0;  // raw speed that means 100 % in a type-2 table
  // Where the readers found the data section and its tables; the writer
  // patches these, it never searches the image again.
  std::optional<std::int64_t> type1Section;
  std::optional<std::int64_t> type2HysteresisMarker;  // "O"
  std::optional<std::int64_t> type2TableMarker;       // "P"
};

// What the fan code needs to know of the card besides the image.
struct FanCard {
  bool rv770 = false;  // device ID 0x9440..0x9447
  bool r680 = false;   // the chip type text names "R680"
};

// Finds the fan-control command table and the type of its data section, as
// far as the pointer chain can be followed.
FanLocation locateFanTable(const ByteImage& image, bool r680);

// The device ID names an RV770 (0x9440..0x9447).
bool isRv770Card(std::uint16_t cardId);
// The chip type string names an R680.
bool isR680(const std::string& chipType);

// Position of the immediate value of fan register write n (0..2).
std::optional<std::int64_t> findFanRegister(const ByteImage& image, std::int32_t fanControlPosition, int n, bool rv770);

// The section marker that starts the data section (the second one on an
// R680 card), scanning up to last index - 1.
std::optional<std::int64_t> findFanSection(const ByteImage& image, std::int32_t fanControlPosition, bool r680);
// The first section marker from fanControlPosition to the last index.
std::optional<std::int64_t> findType2Section(const ByteImage& image, std::int32_t fanControlPosition);

// First position of `marker` in the type-2 section at `section`
// (section + 4 ... section + length + 1); nothing also when the section's
// length word lies outside the image.
std::optional<std::int64_t> findType2Marker(const ByteImage& image, std::int64_t section, std::uint8_t marker);

}  // namespace oza
