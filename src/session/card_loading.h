// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "platform/replace_question.h"
#include "card/pci_cards.h"
#include "image/byte_image.h"

namespace oza {

class Platform;
class RomAccess;
class Session;

// Reads the BIOS of the installed card at `address`. A failure shows its
// message; the card's ROM is left disabled either way.
std::optional<CardRom> readCardBios(Platform& platform, const std::string& address, RomAccess& access);

// What a failed write of a card's BIOS to `path` shows.
WriteMessage cardWriteFailed(const std::string& path);

// Writes a card's BIOS to `path` through the image writer; a failure shows
// its message.
bool writeCardBios(Platform& platform, const std::string& path, const ByteImage& image);

// The warning a partial copy of a card's BIOS gives, shown as a message.
void warnOfPartialCopy(Platform& platform, const CardRom& rom);

// "Load BIOS from installed card...": the card's BIOS goes into a new
// temporary file, which is then loaded like any other. The file stays as the
// untouched copy of what the card gave. A partial copy is loaded too, then
// a warning says what it lacks.
bool loadBiosFromCard(Session& session, const std::string& address, RomAccess& access);

}  // namespace oza
