// SPDX-License-Identifier: GPL-3.0-or-later

#include "keys/card_keys.h"

#include "document/loaded_image.h"
#include "document/shown_values.h"

namespace oza {

namespace {

using Getter = std::function<KeyValue(const LoadedImage&, int)>;

KeyType readOnlyNumber(double highest, double step) {
  KeyType type;
  type.highest = highest;
  type.step = step;
  type.nullable = true;
  return type;
}

KeyType textType() {
  KeyType type;
  type.kind = KeyKind::Text;
  return type;
}

KeyType flagType() {
  KeyType type;
  type.kind = KeyKind::Flag;
  return type;
}

// A FirmwareInfo clock in MHz; none without the table.
Getter firmwareClock(std::uint32_t FirmwareInfo::*field) {
  return [field](const LoadedImage& image, int) -> KeyValue {
    if (!image.card.firmware) return std::monostate{};
    return megahertz((*image.card.firmware).*field);
  };
}

KeyValue bootVoltage(const LoadedImage& image, int) {
  if (!image.card.firmware || !image.card.firmware->bootVoltage) return std::monostate{};
  const auto volt = volts(*image.card.firmware->bootVoltage);
  return volt ? KeyValue(*volt) : KeyValue(std::monostate{});
}

KeyValue regulatorLevel(const LoadedImage& image, int n) {
  if (!image.card.regulator) return std::monostate{};
  const auto& levels = image.card.regulator->levels;
  if (n >= static_cast<int>(levels.size())) return std::monostate{};
  return levels[static_cast<std::size_t>(n)] / 1000.0;
}

bool levelExists(const LoadedImage& image, int n) {
  return image.card.regulator && n < static_cast<int>(image.card.regulator->levels.size());
}

// A thermal controller value; none without the table.
Getter thermal(KeyValue (*value)(const ThermalController&)) {
  return [value](const LoadedImage& image, int) -> KeyValue {
    return image.card.thermal ? value(*image.card.thermal) : KeyValue(std::monostate{});
  };
}

}  // namespace

std::vector<ValueKey> cardKeys() {
  const KeyType mhz = readOnlyNumber(42949672.95, 0.01);
  const KeyType volt = readOnlyNumber(65.535, 0.001);
  return {
      {"firmware.boot_gpu_mhz", 1, "MHz", mhz,
       "The GPU clock the boot state runs at: FirmwareInfo's, whatever its clock info says", "", "", false,
       firmwareClock(&FirmwareInfo::bootEngineClock)},
      {"firmware.boot_memory_mhz", 1, "MHz", mhz,
       "The memory clock the boot state runs at: FirmwareInfo's, whatever its clock info says", "", "", false,
       firmwareClock(&FirmwareInfo::bootMemoryClock)},
      {"firmware.boot_voltage_v", 1, "V", volt,
       "The voltage the boot state runs at: FirmwareInfo's, whatever its clock info says", "", "", false, bootVoltage},
      {"firmware.gpu_clock_max_mhz", 1, "MHz", mhz, "The highest GPU clock the engine PLL puts out", "", "", false,
       firmwareClock(&FirmwareInfo::engineClockPllMax)},
      {"firmware.memory_clock_max_mhz", 1, "MHz", mhz, "The highest memory clock the memory PLL puts out", "", "",
       false, firmwareClock(&FirmwareInfo::memoryClockPllMax)},
      {"voltage_regulator.control", 1, "", textType(),
       "How the card sets its voltage: GPIO (in levels), I2C regulator N, chip, or none where the image names no "
       "regulator",
       "", "", false,
       [](const LoadedImage& image, int) -> KeyValue {
         return image.card.regulator ? voltageControlText(*image.card.regulator) : std::string("none");
       }},
      {"voltage_regulator.levels", 1, "", readOnlyNumber(255, 1), "How many voltage levels the regulator can set", "",
       "", false,
       [](const LoadedImage& image, int) -> KeyValue {
         if (!image.card.regulator) return std::monostate{};
         return double(image.card.regulator->levels.size());
       }},
      {"voltage_regulator.level.N_v", kRegulatorLevelKeys, "V", volt, "Voltage level N of the regulator, lowest first",
       "", "", false, regulatorLevel, levelExists},
      {"thermal.controller", 1, "", textType(), "The thermal controller the PowerPlay table names", "", "", false,
       thermal([](const ThermalController& c) -> KeyValue { return thermalControllerText(c.type); })},
      {"thermal.fan", 1, "", flagType(), "Whether the thermal controller has a fan", "", "", false,
       thermal([](const ThermalController& c) -> KeyValue { return c.fan; })},
      {"thermal.fan_pulses_per_revolution", 1, "", readOnlyNumber(15, 1),
       "The tachometer pulses of one turn of the fan", "", "", false,
       thermal([](const ThermalController& c) -> KeyValue { return double(c.pulsesPerRevolution); })},
  };
}

}  // namespace oza
