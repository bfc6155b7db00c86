// SPDX-License-Identifier: GPL-3.0-or-later

#include "fan/fan_reader.h"

#include "fan/fan_fields.h"
#include "text/number_text.h"

namespace oza {

std::optional<int> percentOf(int raw, int scale) {
  if (scale == 0) return std::nullopt;
  return roundToInt16(static_cast<double>(raw) / scale * 100);
}

bool decodeFanRegisters(const ByteImage& image, FanLocation& location, const FanCard& card,
                        FanRegisterValues& registers) {
  for (int n = 0; n < 3; ++n)
    location.registerPositions[n] = findFanRegister(image, location.fanControlPosition, n, card.rv770);
  for (const auto& position : location.registerPositions)
    if (!position || !image.holds(*position, 4)) return false;
  auto field = [&](const FanField& f) { return *readFanField(image, *location.registerPositions[f.reg], f); };
  registers.controlMode = field(kControlMode);
  if (registers.controlMode != 2 && registers.controlMode != 3) return false;
  registers.dutyScale = field(kDutyScale);
  registers.tmin = field(kTmin);
  registers.tmax = field(kTmax);
  registers.tslope = field(kTslope);
  registers.dutyMin = field(kDutyMin);
  registers.hysteresis = field(kHysteresis);
  registers.tminHysteresis = field(kTminHysteresis);
  registers.spinUpCycle = field(kSpinUpCycle);
  registers.spinUpTime = field(kSpinUpTime);
  registers.pwmRampOn = field(kPwmRampOn);
  registers.pwmRamp = field(kPwmRamp);
  location.dutyScale = registers.dutyScale;
  return true;
}

namespace {

// Thresholds, then speeds, as far as the image holds them.
template <typename ThresholdAt, typename SpeedAt>
bool readTable(const ByteImage& image, ThresholdAt thresholdAt, SpeedAt speedAt, FanTableBytes& table) {
  table.bytesRead = 0;
  for (int k = 0; k < kFanTablePoints; ++k, ++table.bytesRead) {
    const std::optional<std::uint8_t> threshold = image.at(thresholdAt(k));
    if (!threshold) return false;
    table.thresholds[k] = *threshold;
  }
  for (int k = 0; k < kFanTablePoints; ++k, ++table.bytesRead) {
    const std::optional<std::uint8_t> speed = image.at(speedAt(k));
    if (!speed) return false;
    table.speeds[k] = *speed;
  }
  return true;
}

}  // namespace

bool decodeType1Table(const ByteImage& image, FanLocation& location, const FanCard& card, FanTableBytes& table) {
  if (card.rv770 && location.tableType == FanTableType::None) return true;
  const std::optional<std::int64_t> found = findFanSection(image, location.fanControlPosition, card.r680);
  if (!found) return false;
  const std::int64_t section = *found;
  location.type1Section = section;
  return readTable(
      image, [section](int k) { return type1ThresholdAt(section, k); },
      [section](int k) { return type1SpeedAt(section, k); }, table);
}

bool decodeType2Settings(const ByteImage& image, FanLocation& location, FanSettings& settings) {
  const std::optional<std::int64_t> section = findType2Section(image, location.fanControlPosition);
  if (!section) return false;
  const std::optional<std::int64_t> scaleMarker = findType2Marker(image, *section, 'M');
  if (!scaleMarker) return false;
  const std::optional<std::uint8_t> scale = image.at(type2ScaleAt(*scaleMarker));
  if (!scale) return false;
  location.type2SpeedScale = static_cast<std::int16_t>(2 * *scale);
  const std::optional<std::int64_t> hysteresisMarker = findType2Marker(image, *section, 'O');
  if (!hysteresisMarker) return false;
  const std::optional<std::uint8_t> hysteresis = image.at(type2HysteresisAt(*hysteresisMarker));
  if (!hysteresis) return false;
  settings.type2Hysteresis = *hysteresis;
  const std::optional<std::int64_t> tableMarker = findType2Marker(image, *section, 'P');
  if (!tableMarker) return false;
  location.type2HysteresisMarker = hysteresisMarker;
  location.type2TableMarker = tableMarker;
  const std::int64_t table = *tableMarker;
  return readTable(
      image, [table](int k) { return type2ThresholdAt(table, k); }, [table](int k) { return type2SpeedAt(table, k); },
      settings.type2Table);
}

}  // namespace oza
