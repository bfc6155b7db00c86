// SPDX-License-Identifier: GPL-3.0-or-later

// The card's tables as the keys and the information tab give them, on the
// real cards.
#include <gtest/gtest.h>

#include "keys/value_keys.h"
#include "support/real_roms.h"
#include "verify/image_file.h"

namespace oza {
namespace {

TEST(CardTablesShown, RealCardsByKey) {
  const struct {
    const char* rom;
    std::vector<std::pair<const char*, KeyValue>> keys;
    const char* summary;
  } cases[] = {
      {"hd4670-rv730-imac.rom",
       {{"firmware.boot_gpu_mhz", 680.0},
        {"firmware.boot_memory_mhz", 790.0},
        {"firmware.boot_voltage_v", 1.2},
        {"firmware.gpu_clock_max_mhz", 2500.0},
        {"voltage_regulator.control", std::string("GPIO")},
        {"voltage_regulator.levels", 4.0},
        {"voltage_regulator.level.3_v", 1.2},
        {"thermal.controller", std::string("external GPIO")},
        {"thermal.fan_pulses_per_revolution", 0.0}},
       "Voltage regulator: GPIO, levels 0.900, 1.000, 1.100, 1.200 V\nPLL maxima: GPU 2500 MHz, memory 2500 MHz\n"
       "Thermal controller: external GPIO, with a fan; the fan settings do not run it"},
      {"hd4850-rv770-imac.rom",
       {{"firmware.boot_gpu_mhz", 503.12},
        {"firmware.boot_voltage_v", 1.05},
        {"firmware.memory_clock_max_mhz", 2500.0},
        {"voltage_regulator.levels", 6.0},
        {"voltage_regulator.level.5_v", 1.15},
        {"voltage_regulator.level.6_v", std::monostate{}}},
       "Voltage regulator: GPIO, levels 0.900, 0.950, 1.000, 1.050, 1.100, 1.150 V\n"},
  };
  for (const auto& c : cases) {
    const std::string path = test::realRomPath(c.rom);
    OZA_SKIP_WITHOUT_REAL_ROM(path);
    SCOPED_TRACE(c.rom);
    const ImageFile file = loadImageFile(path);
    ASSERT_TRUE(file.loaded()) << file.failure;
    for (const auto& [name, value] : c.keys) {
      const auto key = findKey(name);
      ASSERT_TRUE(key.has_value()) << name;
      EXPECT_EQ(key->entry->value(*file.image, key->index), value) << name;
    }
    EXPECT_TRUE(cardSummaryText(file.image->card).starts_with(c.summary)) << cardSummaryText(file.image->card);
  }
}

}  // namespace
}  // namespace oza
