// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <expected>
#include <string>
#include <vector>

#include "document/loaded_image.h"

namespace oza {

// The steps of a load that stop it, in their order.
enum class LoadError {
  StringPositions,  // the information strings cannot be found
  SplitInfos,       // they reach outside the image
  CheckValid,       // they do not look like those of this card family
  Checksum,
  SubVendor,
  CardId,
  ClockPosition,  // no clock info records
  RecordCount,    // none counted there
  ClockRecords,   // they reach outside the image
};

// The message a load shows when it stops at `error`.
std::string loadErrorMessage(LoadError error);
// The message a load shows for `notice`.
std::string loadNoticeMessage(LoadNotice notice);

// Why a load stopped, and what it had said before it did.
struct LoadFailure {
  LoadError error;
  std::vector<LoadNotice> notices;
};

// Detects the thermal controller of the card and reads what it can of it.
FanReading readFan(const ByteImage& image, const FanCard& card);

// Decodes every value an image holds, as the load of the window does, in its
// order: the strings and their validation, the checksum, the IDs, the
// PowerPlay data, the Overdrive limits, the pre-modified mark, the clock
// infos and the fan settings. A fan that cannot be read does not stop it.
std::expected<LoadedImage, LoadFailure> decodeImage(std::string path, ByteImage bytes);

}  // namespace oza
