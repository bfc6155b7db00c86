#include "image/id_tables.h"

#include <algorithm>

#include "image/hex_fields.h"

namespace oza {

const std::vector<VendorEntry>& vendorTable() {
  static const std::vector<VendorEntry> table = {
      {"0000", "0x0000 - (Apollo, Colorful, Diablotek, MAXSUN, Palit, Peak, Triplex and others)"},
      {"1002", "0x1002 - ATI (also used by several other vendors as Jetway, Palit, PowerColor and others)"},
      {"1025", "0x1025 - Acer"},
      {"1043", "0x1043 - Asus"},
      {"1092", "0x1092 - Diamond"},
      {"1458", "0x1458 - GigaByte"},
      {"1462", "0x1462 - MSI"},
      {"1545", "0x1545 - Visiontek"},
      {"174B", "0x174B - PC Partner (known as Sapphire)"},
      {"1771", "0x1771 - Connect3D"},
      {"1787", "0x1787 - (HIS, Club3D, Jetway, Powercolor, Triplex and others)"},
      {"18BC", "0x18BC - GeCube"},
      {"2810", "0x2810 - Dell"},
      {"AF17", "0xAF17 - (Foxconn, Grandmars and others)"},
      {"10CF", "0x10CF - Fujitsu"},
      {"148C", "0x148C - C.P. Technology"},
      {"107D", "0x107D - Leadtek"},
      {"10DE", "0x10DE - nVidia"},
      {"8086", "0x8086 - Intel"},
      {"1682", "0x1682 - XFX pine group"},
      {"1179", "0x1179 - Toshiba"},
      {"0E11", "0x0E11 - Compaq"},
      {"3842", "0x3842 - EVGA"},
      {"1013", "0x1013 - Cirrus Logic"},
      {"1014", "0x1014 - IBM"},
      {"1017", "0x1017 - SPEA"},
      {"1019", "0x1019 - Elitegroup"},
      {"1023", "0x1023 - Trident"},
      {"102B", "0x102B - Matrox"},
      {"103C", "0x103C - Hewlett-Packard"},
      {"1048", "0x1048 - ELSA"},
      {"104C", "0x104C - Texas Instruments"},
      {"104D", "0x104D - Sony"},
      {"106B", "0x106B - Apple Computer"},
      {"1057", "0x1057 - Motorola"},
      {"1073", "0x1073 - Yamaha"},
      {"1078", "0x1078 - Cyrix"},
      {"10EC", "0x10EC - Realtek"},
      {"1102", "0x1102 - Creative Technology Ltd."},
      {"110A", "0x110A - Siemens AG"},
      {"121A", "0x121A - 3DFX interactive inc."},
      {"1360", "0x1360 - Meinberg Funkuhren GmbH & Co. KG"},
      {"1397", "0x1397 - Cologne Chip Designs GmbH"},
      {"1971", "0x1971 - AGEIA technologies inc."},
      {"5333", "0x5333 - S3 Graphics Go. Ltd."},
  };
  return table;
}

const std::vector<CardEntry>& cardTable() {
  static const std::vector<CardEntry> table = {
      {"HD 2400", {"94CC"}, "94CC"},
      {"HD 2400 LE", {"94C5"}, "94C5"},
      {"HD 2400 Pro", {"94C3"}, "94C3"},
      {"HD 2400 Pro AGP", {"94C4"}, "94C4"},
      {"HD 2400 XT", {"94C1"}, "94C1"},
      {"HD 2600 LE", {"958E"}, "958E"},
      {"HD 2600 Pro", {"9589"}, "9589"},
      {"HD 2600 Pro AGP", {"9587"}, "9587"},
      {"HD 2600 XT", {"9588"}, "9588"},
      {"HD 2600 XT AGP", {"9586"}, "9586"},
      {"HD 2900 GT", {"9405"}, "9405"},
      {"HD 2900 Pro", {"9403"}, "9403"},
      {"HD 2900 XT", {"9400", "9401", "9402"}, "9401"},
      {"HD 3200 series", {"9610", "9612"}, "9610"},
      {"HD 3300 series", {"9614"}, "9614"},
      {"HD 3430", {"95C7"}, "95C7"},
      {"HD 3450", {"95C5"}, "95C5"},
      {"HD 3470", {"95C0"}, "95C0"},
      {"HD 3470 mobile", {"95C4"}, "95C4"},
      {"HD 3600 series", {"9590", "9596", "9597", "9598", "9599"}, "9598"},
      {"HD 3850", {"9505"}, "9505"},
      {"HD 3850 AGP", {"9515"}, "9515"},
      {"HD 3850 X2", {"9513"}, "9513"},
      {"HD 3870", {"9501"}, "9501"},
      {"HD 3870 X2", {"950F"}, "950F"},
      {"HD 4850", {"9442"}, "9442"},
      {"HD 4870", {"9440"}, "9440"},
      {"HD 4870 X2", {"9441"}, "9441"},
      {"FireGL V3600 (use a 2600 Pro 256 MB)", {"958D"}, "958D"},
      {"FireGL V5600 (use a 2600 XT 512 MB)", {"958C"}, "958C"},
      {"FireGL V7600 (use a 2900 GT or Pro or XT 512 MB)", {"940F"}, "940F"},
      {"FireGL V7700 (use a 3850 or 3870 512 MB)", {"9511"}, "9511"},
      {"FireGL V8600 (use a 2900 GT or Pro or XT 1,024 MB)", {"940B"}, "940B"},
      {"FireGL V8650 (use a 2900 GT or Pro or XT 2,048 MB)", {"940A"}, "940A"},
  };
  return table;
}

int vendorRow(const std::string& id) {
  const auto& table = vendorTable();
  for (std::size_t i = 0; i < table.size(); ++i)
    if (id == table[i].id) return static_cast<int>(i);
  return -1;
}

int cardRow(const std::string& id) {
  const auto& table = cardTable();
  for (std::size_t i = 0; i < table.size(); ++i)
    if (std::find(table[i].ids.begin(), table[i].ids.end(), id) != table[i].ids.end())
      return static_cast<int>(i);
  return -1;
}

int vendorRow(std::uint16_t id) { return vendorRow(hexText(id, 4)); }
int cardRow(std::uint16_t id) { return cardRow(hexText(id, 4)); }

}  // namespace oza
