#pragma once

#include <cstdint>
#include <string>

#include "image/byte_image.h"

namespace oza {

// Where the load found the thermal controller's settings.
struct FanGlobals {
  std::int32_t CommandTablePosition = 0;
  std::int32_t FanControlPosition = 0;
  std::int16_t FanTableType = 0;  // 0 none, 1, 2
  std::int32_t FanRegisterPosition0 = 0;
  std::int32_t FanRegisterPosition1 = 0;
  std::int32_t FanRegisterPosition2 = 0;
  std::int16_t Type2SpeedScale = 0;  // raw speed that means 100 % in a type-2 table
  // Where the readers found the data section and its tables (-1: not found);
  // the writer patches these, it never searches the image again.
  std::int64_t type1Section = -1;      // 0x7A byte before the type-1 look-up table
  std::int64_t type2Hysteresis = -1;   // "O" marker
  std::int64_t type2Table = -1;        // "P" marker

  std::int32_t registerPosition(int n) const;
};

// What the fan code needs to know of the card besides the image.
struct FanCard {
  bool rv770 = false;        // device ID 0x9440..0x9447
  bool r680 = false;         // the chip type text names "R680"
};

// Finds the fan-control command table and the type of its data section.
void LocateFanTable(const ByteImage& image, bool r680, FanGlobals& globals);

bool IsRV770Card(std::uint16_t cardId);
bool isR680(const std::string& chipTypeText);

// Position of the immediate value of fan register write n (0..2), or 0.
std::int32_t FindFanRegister(const ByteImage& image, std::int32_t FanControlPosition, int n, bool rv770);

// The 0x7A byte that starts the data section (the second one on an R680
// card), scanning up to last index - 1; -1 when there is none.
std::int64_t findFanSection(const ByteImage& image, std::int32_t FanControlPosition, bool r680);
// The first 0x7A byte from FanControlPosition to the last index; -1 if none.
std::int64_t findType2Section(const ByteImage& image, std::int32_t FanControlPosition);

// First position of `marker` in the type-2 section at z (z + 4 ... z + L + 1),
// or -1. OutOfImage when the section's length word lies outside the image.
std::int64_t findType2Marker(const ByteImage& image, std::int64_t z, std::uint8_t marker);

}  // namespace oza
