// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/card_tables.h"
#include "fan/fan_location.h"
#include "fan/fan_settings.h"
#include "image/atom_tables.h"
#include "image/byte_image.h"
#include "image/info_strings.h"
#include "image/pci_images.h"
#include "image/vram_info.h"
#include "powerplay/clock_location.h"
#include "powerplay/clock_records.h"

namespace oza {

// What the load found of the thermal controller, as far as it could read it:
// a reader that stops keeps what it read, as the fan tab shows it.
struct FanReading {
  FanCard card;
  FanLocation location;
  // The card has fan settings of a kind the program reads (an RV770, or a
  // table of type 1 or 2).
  bool supported = false;
  // Type-1 tables and RV770 cards: the registers, when all three were found
  // with a control mode of 2 or 3, and the look-up table.
  std::optional<FanRegisterValues> registers;
  FanTableBytes type1Table;
  bool type1TableRead = false;
  // Type-2 tables.
  FanTableBytes type2Table;
  int type2Hysteresis = 0;
  bool type2Read = false;
  // Everything read, with scales that percentages can be taken of: the fan
  // tab can be used.
  bool usable = false;
};

// Something the load says without stopping.
enum class LoadNotice {
  NoOverdrive,  // no Overdrive block, or not all of it
};

// One image as a load found it: its bytes and every value decoded from them,
// with where each was found. It never changes; a save writes a copy.
struct LoadedImage {
  std::string path;  // as the window names it
  ByteImage bytes;
  std::int32_t checkSum = 0;  // the byte sum a save restores

  InfoStrings strings;   // with their positions
  std::string dateTime;  // empty when the image is too short for it
  std::uint16_t subVendorId = 0;
  std::uint16_t cardId = 0;
  bool preModified = false;  // a correction of an earlier save shows in the correction areas

  ClockLocation clockLocation;               // where the records start; the states of a header-read table
  int clockRecordCount = 0;                  // records counted there (not capped)
  std::vector<ClockInfo> clockInfos;         // the first 16 of them
  std::optional<OverdriveClocks> overdrive;  // none: the image has no Overdrive block

  FanReading fan;
  CardTables card;                   // what the driver takes besides the records
  PciImageChain pciImages;           // every image of the file's chain, and what follows it
  AtomTables tables;                 // the master tables and every table they list
  std::optional<VramInfo> vramInfo;  // the memory modules, where the image has them
  std::vector<LoadNotice> notices;

  // The PowerPlay states of a header-read table (none for a signature-found one).
  const PowerPlayStates& states() const;
  // A GDDR5 image of 64 kB or less, likely read out cut short.
  bool mayBeCutShort() const;
};

}  // namespace oza
