// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "document/loaded_image.h"
#include "verify/image_file.h"

namespace oza {

// The clock info records the card reads, in index order: those its states
// name, or every record the load read where the table was found without
// states. Records past those the load read are not among them.
std::vector<int> usedRecords(const LoadedImage& image);

// With an original to compare with, whether it holds the same value in that
// field of record `record`: the card runs with it today, so a rule does not
// judge it again.
template <typename Field>
bool originalHolds(const ImageFile* original, int record, Field ClockInfo::*field, Field value) {
  if (!original || !original->loaded()) return false;
  const auto& infos = original->image->clockInfos;
  return record < static_cast<int>(infos.size()) && infos[static_cast<std::size_t>(record)].*field == value;
}

// "clock_info.3." for the keys of record 3.
std::string recordKey(int record);

// The state names of the states that use record `record`: "state 2", "states 1 and 4".
std::string statesUsing(const LoadedImage& image, int record);

}  // namespace oza
