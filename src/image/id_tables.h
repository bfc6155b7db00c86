#pragma once

#include <cstdint>
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

// Row of `id` in a table, or -1.
int vendorRow(std::uint16_t id);
int cardRow(std::uint16_t id);

}  // namespace oza
