// SPDX-License-Identifier: GPL-3.0-or-later

#include "image/id_tables.h"

#include <algorithm>

#include "image/hex_fields.h"

namespace oza {

const std::vector<VendorEntry>& vendorTable() {
  static const std::vector<VendorEntry> table = {
      {0x0000, "0x0000 - (Apollo, Colorful, Diablotek, MAXSUN, Palit, Peak, Triplex and others)"},
      {0x1002, "0x1002 - ATI (also used by several other vendors as Jetway, Palit, PowerColor and others)"},
      {0x1025, "0x1025 - Acer"},
      {0x1043, "0x1043 - Asus"},
      {0x1092, "0x1092 - Diamond"},
      {0x1458, "0x1458 - GigaByte"},
      {0x1462, "0x1462 - MSI"},
      {0x1545, "0x1545 - Visiontek"},
      {0x174B, "0x174B - PC Partner (known as Sapphire)"},
      {0x1771, "0x1771 - Connect3D"},
      {0x1787, "0x1787 - (HIS, Club3D, Jetway, Powercolor, Triplex and others)"},
      {0x18BC, "0x18BC - GeCube"},
      {0x2810, "0x2810 - Dell"},
      {0xAF17, "0xAF17 - (Foxconn, Grandmars and others)"},
      {0x10CF, "0x10CF - Fujitsu"},
      {0x148C, "0x148C - C.P. Technology"},
      {0x107D, "0x107D - Leadtek"},
      {0x10DE, "0x10DE - nVidia"},
      {0x8086, "0x8086 - Intel"},
      {0x1682, "0x1682 - XFX pine group"},
      {0x1179, "0x1179 - Toshiba"},
      {0x0E11, "0x0E11 - Compaq"},
      {0x3842, "0x3842 - EVGA"},
      {0x1013, "0x1013 - Cirrus Logic"},
      {0x1014, "0x1014 - IBM"},
      {0x1017, "0x1017 - SPEA"},
      {0x1019, "0x1019 - Elitegroup"},
      {0x1023, "0x1023 - Trident"},
      {0x102B, "0x102B - Matrox"},
      {0x103C, "0x103C - Hewlett-Packard"},
      {0x1048, "0x1048 - ELSA"},
      {0x104C, "0x104C - Texas Instruments"},
      {0x104D, "0x104D - Sony"},
      {0x106B, "0x106B - Apple Computer"},
      {0x1057, "0x1057 - Motorola"},
      {0x1073, "0x1073 - Yamaha"},
      {0x1078, "0x1078 - Cyrix"},
      {0x10EC, "0x10EC - Realtek"},
      {0x1102, "0x1102 - Creative Technology Ltd."},
      {0x110A, "0x110A - Siemens AG"},
      {0x121A, "0x121A - 3DFX interactive inc."},
      {0x1360, "0x1360 - Meinberg Funkuhren GmbH & Co. KG"},
      {0x1397, "0x1397 - Cologne Chip Designs GmbH"},
      {0x1971, "0x1971 - AGEIA technologies inc."},
      {0x5333, "0x5333 - S3 Graphics Go. Ltd."},
  };
  return table;
}

const std::vector<CardEntry>& cardTable() {
  static const std::vector<CardEntry> table = {
      {"HD 2400", {0x94CC}, 0x94CC},
      {"HD 2400 LE", {0x94C5}, 0x94C5},
      {"HD 2400 Pro", {0x94C3}, 0x94C3},
      {"HD 2400 Pro AGP", {0x94C4}, 0x94C4},
      {"HD 2400 XT", {0x94C1}, 0x94C1},
      {"HD 2600 LE", {0x958E}, 0x958E},
      {"HD 2600 Pro", {0x9589}, 0x9589},
      {"HD 2600 Pro AGP", {0x9587}, 0x9587},
      {"HD 2600 XT", {0x9588}, 0x9588},
      {"HD 2600 XT AGP", {0x9586}, 0x9586},
      {"HD 2900 GT", {0x9405}, 0x9405},
      {"HD 2900 Pro", {0x9403}, 0x9403},
      {"HD 2900 XT", {0x9400, 0x9401, 0x9402}, 0x9401},
      {"HD 3200 series", {0x9610, 0x9612}, 0x9610},
      {"HD 3300 series", {0x9614}, 0x9614},
      {"HD 3430", {0x95C7}, 0x95C7},
      {"HD 3450", {0x95C5}, 0x95C5},
      {"HD 3470", {0x95C0}, 0x95C0},
      {"HD 3470 mobile", {0x95C4}, 0x95C4},
      {"HD 3600 series", {0x9590, 0x9596, 0x9597, 0x9598, 0x9599}, 0x9598},
      {"HD 3850", {0x9505}, 0x9505},
      {"HD 3850 AGP", {0x9515}, 0x9515},
      {"HD 3850 X2", {0x9513}, 0x9513},
      {"HD 3870", {0x9501}, 0x9501},
      {"HD 3870 X2", {0x950F}, 0x950F},
      {"HD 4850", {0x9442}, 0x9442},
      {"HD 4870", {0x9440}, 0x9440},
      {"HD 4870 X2", {0x9441}, 0x9441},
      {"FireGL V3600 (use a 2600 Pro 256 MB)", {0x958D}, 0x958D},
      {"FireGL V5600 (use a 2600 XT 512 MB)", {0x958C}, 0x958C},
      {"FireGL V7600 (use a 2900 GT or Pro or XT 512 MB)", {0x940F}, 0x940F},
      {"FireGL V7700 (use a 3850 or 3870 512 MB)", {0x9511}, 0x9511},
      {"FireGL V8600 (use a 2900 GT or Pro or XT 1,024 MB)", {0x940B}, 0x940B},
      {"FireGL V8650 (use a 2900 GT or Pro or XT 2,048 MB)", {0x940A}, 0x940A},
  };
  return table;
}

std::optional<int> vendorRow(std::uint16_t id) {
  const auto& table = vendorTable();
  for (std::size_t i = 0; i < table.size(); ++i)
    if (id == table[i].id) return static_cast<int>(i);
  return std::nullopt;
}

std::optional<int> cardRow(std::uint16_t id) {
  const auto& table = cardTable();
  for (std::size_t i = 0; i < table.size(); ++i)
    if (std::find(table[i].ids.begin(), table[i].ids.end(), id) != table[i].ids.end()) return static_cast<int>(i);
  return std::nullopt;
}

std::string subVendorText(std::uint16_t id) {
  if (const std::optional<int> row = vendorRow(id)) return vendorTable()[static_cast<std::size_t>(*row)].item;
  return "0x" + hexText(id, 4) + " - (unkown)";
}

std::string videoCardText(std::uint16_t id) {
  if (const std::optional<int> row = cardRow(id)) return cardTable()[static_cast<std::size_t>(*row)].item;
  return "(unkown)";
}

}  // namespace oza
