// SPDX-License-Identifier: GPL-3.0-or-later

#include "image/voltage_objects.h"

#include <algorithm>

#include "image/data_tables.h"

namespace oza {

namespace {

constexpr int kVddcType = 1;  // SET_VOLTAGE_TYPE_ASIC_VDDC
constexpr std::int64_t kFirstObject = 4;
// In an object: type, size, the control block, then the formula.
constexpr std::int64_t kObjectSize = 1;
constexpr std::int64_t kControlId = 2;
constexpr std::int64_t kFormula = 18;
// Revision 1.1 formula: base (mV), step, entry count, flags, then one byte an entry.
constexpr std::int64_t kV1Entries = kFormula + 8;
// Revision 1.2 formula: entry count, 3 reserved, then code and mV words.
constexpr std::int64_t kV2Entries = kFormula + 4;
constexpr int kV2EntrySize = 4;
constexpr int kGpioControl = 0x80;
// The driver's table of levels holds no more.
constexpr int kMostDriverLevels = 32;

// The driver's own arithmetic: its minimum, maximum and step as 16-bit
// values, and the levels from the minimum in steps up to the maximum.
std::vector<std::uint16_t> formulaLevels(int base, int step, int entries, bool halfMillivolt) {
  const auto max = static_cast<std::uint16_t>(halfMillivolt ? base + entries / 2 * step : base + (entries - 1) * step);
  const int driverStep = halfMillivolt ? (step + 1) / 2 : step;
  if (driverStep == 0) return {};
  const int steps = (int{max} - base) / driverStep + 1;
  if (steps <= 0 || steps > kMostDriverLevels) return {};
  std::vector<std::uint16_t> levels;
  for (int i = 0; i < steps; ++i) levels.push_back(static_cast<std::uint16_t>(base + i * driverStep));
  return levels;
}

std::optional<VoltageRegulator> readObject(ImageReader& read, std::int64_t object, int revision) {
  VoltageRegulator regulator;
  regulator.contentRevision = revision;
  const int size = read.byte(object + kObjectSize);
  const int id = read.byte(object + kControlId);
  regulator.control = id == kGpioControl ? VoltageControl::Gpio
                      : id == 0          ? VoltageControl::Hardware
                                         : VoltageControl::I2c;
  regulator.i2cId = id & 0x7F;
  if (revision == 1) {
    const int entries = read.byte(object + kFormula + 4);
    regulator.halfMillivoltStep = (read.byte(object + kFormula + 5) & 1) != 0;
    regulator.sizeDisagrees = size != kV1Entries + entries;
    regulator.levels =
        formulaLevels(static_cast<int>(read.word(object + kFormula)),
                      static_cast<int>(read.word(object + kFormula + 2)), entries, regulator.halfMillivoltStep);
  } else {
    const int entries = read.byte(object + kFormula);
    regulator.sizeDisagrees = size != kV2Entries + kV2EntrySize * entries;
    for (int i = 0; i < entries; ++i)
      regulator.levels.push_back(static_cast<std::uint16_t>(read.word(object + kV2Entries + kV2EntrySize * i + 2)));
  }
  if (!read.ok()) return std::nullopt;
  return regulator;
}

}  // namespace

std::optional<VoltageRegulator> readVddcRegulator(const ByteImage& image) {
  const auto table = dataTable(image, DataTable::VoltageObjectInfo);
  if (!table || table->formatRevision != 1) return std::nullopt;
  const int revision = table->contentRevision;
  if (revision != 1 && revision != 2) return std::nullopt;
  ImageReader read(image);
  // As the driver walks them: each object is as long as its entries make it.
  for (std::int64_t offset = kFirstObject; offset < table->size;) {
    const std::int64_t object = table->position + offset;
    if (read.byte(object) == kVddcType) return readObject(read, object, revision);
    offset += revision == 1 ? kV1Entries + read.byte(object + kFormula + 4)
                            : kV2Entries + std::int64_t{kV2EntrySize} * read.byte(object + kFormula);
    if (!read.ok()) return std::nullopt;
  }
  return std::nullopt;
}

std::string voltageControlText(const VoltageRegulator& regulator) {
  switch (regulator.control) {
    case VoltageControl::Gpio: return "GPIO";
    case VoltageControl::I2c: return "I2C regulator " + std::to_string(regulator.i2cId);
    case VoltageControl::Hardware: break;
  }
  return "chip";
}

std::optional<int> driverLevel(const VoltageRegulator& regulator, int millivolts) {
  if (regulator.levels.empty()) return millivolts;
  for (const std::uint16_t level : regulator.levels)
    if (millivolts <= level) return level;
  return std::nullopt;
}

int biosLevel(const VoltageRegulator& regulator, int millivolts) {
  if (regulator.levels.empty()) return millivolts;
  int set = regulator.levels.front();
  for (const std::uint16_t level : regulator.levels)
    if (level <= millivolts) set = std::max(set, int{level});
  return set;
}

}  // namespace oza
