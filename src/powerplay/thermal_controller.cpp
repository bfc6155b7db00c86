// SPDX-License-Identifier: GPL-3.0-or-later

#include "powerplay/thermal_controller.h"

#include "image/data_tables.h"

namespace oza {

namespace {

// ATOM_PPLIB_POWERPLAYTABLE.sThermalController and its fields.
constexpr std::int64_t kController = 0x19;
constexpr std::int64_t kFanParameters = kController + 3;
constexpr std::int64_t kFanMinRpm = kController + 4;
constexpr std::int64_t kFanMaxRpm = kController + 5;
constexpr int kControllerEnd = kController + 8;
constexpr int kNoFan = 0x80;
constexpr int kPulsesMask = 0x0F;

}  // namespace

std::optional<ThermalController> readThermalController(const ByteImage& image) {
  const auto table = dataTable(image, DataTable::PowerPlayInfo);
  if (!table || table->formatRevision < 4 || table->size < kControllerEnd) return std::nullopt;
  const std::int64_t at = table->position;
  ImageReader read(image);
  ThermalController controller;
  controller.type = read.byte(at + kController);
  const int parameters = read.byte(at + kFanParameters);
  // The driver reads the fan parameters of a named controller only.
  if (controller.type > 0) {
    controller.fan = (parameters & kNoFan) == 0;
    controller.pulsesPerRevolution = parameters & kPulsesMask;
    if (controller.pulsesPerRevolution > 0) {
      controller.fanMinRpm = read.byte(at + kFanMinRpm);
      controller.fanMaxRpm = read.byte(at + kFanMaxRpm);
    }
  }
  if (!read.ok()) return std::nullopt;
  return controller;
}

std::string thermalControllerText(int type) {
  switch (type) {
    case 0: return "none";
    case 5: return "LM64";
    case 7: return "RV6xx (internal)";
    case 8: return "RV770 (internal)";
    case 9: return "ADT7473";
    case 10: return "Kong";
    case 11: return "external GPIO";
    case 12: return "Evergreen (internal)";
    case 13: return "EMC2103";
    case 0x89: return "ADT7473 with internal";
    case 0x8D: return "EMC2103 with internal";
    default: break;
  }
  return "type " + std::to_string(type);
}

}  // namespace oza
