// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace oza {

struct VendorEntry {
  std::uint16_t id;
  const char* item;  // the text of the vendor box entry
};

struct CardEntry {
  const char* item;
  std::vector<std::uint16_t> ids;  // IDs that select the entry
  std::uint16_t writtenId;         // the ID saved for the entry
};

// The sub vendor list of the information tab, in list order.
const std::vector<VendorEntry>& vendorTable();
// The video card list of the information tab, in list order.
const std::vector<CardEntry>& cardTable();

// Row of `id` in a table.
std::optional<int> vendorRow(std::uint16_t id);
std::optional<int> cardRow(std::uint16_t id);

// What the vendor and card boxes show for an ID: its entry, or for an ID of
// no entry its number and "(unkown)" (the box has always spelled it so).
std::string subVendorText(std::uint16_t id);
std::string videoCardText(std::uint16_t id);

}  // namespace oza
