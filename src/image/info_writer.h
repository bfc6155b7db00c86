// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <expected>
#include <optional>
#include <string>

#include "image/byte_image.h"
#include "image/info_settings.h"
#include "image/info_strings.h"

namespace oza {

// Why the information writer stopped.
enum class InfoWriteError {
  Failed,              // no positions from a load, or a field outside the image
  BiosVersionTooLong,  // the string errors write nothing
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

// Why a changed text cannot be written in the image's 8-bit character set:
// "The character "€" (U+20AC) in the BIOS version (InfoText(1)) has no 8-bit
// code."; nothing when every changed text can be.
std::optional<std::string> unencodableReason(const InfoChanges& changes);

// Writes the changes at the positions the load found (`strings`): the
// date/time, the six strings, the sub vendor and video card IDs; what is not
// among the changes keeps its bytes.
std::expected<void, InfoWriteError> writeInfoSettings(ByteImage& image, const InfoStrings& strings,
                                                      const InfoChanges& changes);

}  // namespace oza
