#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/byte_image.h"

namespace oza {

// The information strings of the loaded image, as raw bytes (one character
// per byte), and what the hardware description says about the memory.
struct InfoStrings {
  std::string sBIOSVersion;
  std::string sChipType;
  std::string sCardInterface;
  std::string sRAMType;
  std::string sHardwareSpecs;
  std::string sPowerCableMessage;  // empty when the image has none
  std::string sCopyright;
  std::string sAtomBIOSVersion;
  std::uint16_t RAMSize = 0;      // MB named in sHardwareSpecs, 0 when none
  std::uint16_t RAMBusWidth = 0;  // bits named in sHardwareSpecs, 0 when none
  // Where the load found them (GetStringPos's list); the writer patches
  // exactly these bytes.
  std::string positionList;
};

// Marks an absent power cable message in the position list.
inline constexpr const char* kAbsentField = "\xC3\xA4";  // "ä"

// The first and last position of each of the eight strings, 16 decimal fields
// joined by ","; "Fehler" when the string block runs outside the image.
std::string GetStringPos(const ByteImage& image);

// The fields of a position list, and one of them as a number (false when
// it is none).
std::vector<std::string> splitPositionList(const std::string& list);
bool parsePosition(const std::string& field, std::int64_t& position);

// Copies the strings named by a position list into `strings` (which the
// caller has cleared) and derives RAMSize and RAMBusWidth. False when a field
// is not a number or a position lies outside the image; the strings are then
// partly set.
bool SplitInfos(const ByteImage& image, const std::string& list, InfoStrings& strings);

// The date/time text at 0x50..0x5E without surrounding blanks; "Fehler" when
// the image is too short.
std::string GetBIOSDateTime(const ByteImage& image);

// Whether the strings look like those of an AtomBIOS image of this family.
bool CheckValid(const InfoStrings& strings);

}  // namespace oza
