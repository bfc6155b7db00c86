#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "image/byte_image.h"
#include "image/info_strings.h"

namespace oza {

class InfoTab;

// Why the information writer stopped.
enum class InfoWriteError {
  Failed,                    // no positions from a load, or a field outside the image
  BiosVersionTooLong,        // the string errors write nothing
  ChipTypeTooLong,
  HardwareSpecsTooLong,
  CopyrightTooLong,
  AtomBiosVersionTooLong,
  PowerCableMessageTooLong,
  SubVendor,
  CardId,
};

// The message a save shows for `error`.
std::string infoWriteMessage(InfoWriteError error);

// Writes the information tab back at the positions the load found: the
// date/time, the six strings (never longer than the strings they replace;
// shorter ones are padded with spaces in their box too), the sub vendor and
// video card IDs. What still shows as loaded keeps its bytes. Nothing on
// success.
std::optional<InfoWriteError> writeInfoSettings(ByteImage& image, const InfoStrings& strings, InfoTab& tab,
                                                std::uint16_t loadedCardId);

}  // namespace oza
