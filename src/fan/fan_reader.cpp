// SPDX-License-Identifier: GPL-3.0-or-later

#include "fan/fan_reader.h"

#include "fan/fan_fields.h"
#include "text/number_text.h"

namespace oza {

std::optional<int> percentOf(int raw, int scale) {
  if (scale == 0) return std::nullopt;
  return roundToInt16(static_cast<double>(raw) / scale * 100);
}

FanRegisterPositions findFanRegisters(const ByteImage& image, std::int32_t fanControlPosition, bool rv770) {
  FanRegisterPositions positions;
  for (int n = 0; n < 3; ++n) positions[n] = findFanRegister(image, fanControlPosition, n, rv770);
  return positions;
}

std::optional<FanRegisterValues> decodeFanRegisters(const ByteImage& image, const FanRegisterPositions& positions) {
  for (const auto& position : positions)
    if (!position || !image.holds(*position, 4)) return std::nullopt;
  auto field = [&](const FanField& f) { return *readFanField(image, *positions[f.reg], f); };
  FanRegisterValues registers;
  registers.controlMode = field(kControlMode);
  if (registers.controlMode != 2 && registers.controlMode != 3) return std::nullopt;
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
  return registers;
}

namespace {

// Thresholds, then speeds, as far as the image holds them.
template <typename ThresholdAt, typename SpeedAt>
FanTableBytes readTable(const ByteImage& image, ThresholdAt thresholdAt, SpeedAt speedAt) {
  FanTableBytes table;
  for (int k = 0; k < kFanTablePoints; ++k, ++table.bytesRead) {
    const std::optional<std::uint8_t> threshold = image.at(thresholdAt(k));
    if (!threshold) return table;
    table.thresholds[k] = *threshold;
  }
  for (int k = 0; k < kFanTablePoints; ++k, ++table.bytesRead) {
    const std::optional<std::uint8_t> speed = image.at(speedAt(k));
    if (!speed) return table;
    table.speeds[k] = *speed;
  }
  return table;
}

}  // namespace

FanTableBytes readType1Table(const ByteImage& image, std::int64_t section) {
  return readTable(
      image, [section](int k) { return type1ThresholdAt(section, k); },
      [section](int k) { return type1SpeedAt(section, k); });
}

Type2Reading decodeType2Settings(const ByteImage& image, std::int32_t fanControlPosition) {
  Type2Reading reading;
  const std::optional<std::int64_t> section = findType2Section(image, fanControlPosition);
  if (!section) return reading;
  const std::optional<std::int64_t> scaleMarker = findType2Marker(image, *section, 'M');
  if (!scaleMarker) return reading;
  const std::optional<std::uint8_t> scale = image.at(type2ScaleAt(*scaleMarker));
  if (!scale) return reading;
  reading.speedScale = static_cast<std::int16_t>(2 * *scale);
  const std::optional<std::int64_t> hysteresisMarker = findType2Marker(image, *section, 'O');
  if (!hysteresisMarker) return reading;
  const std::optional<std::uint8_t> hysteresis = image.at(type2HysteresisAt(*hysteresisMarker));
  if (!hysteresis) return reading;
  reading.hysteresis = *hysteresis;
  const std::optional<std::int64_t> tableMarker = findType2Marker(image, *section, 'P');
  if (!tableMarker) return reading;
  reading.hysteresisMarker = hysteresisMarker;
  reading.tableMarker = tableMarker;
  const std::int64_t table = *tableMarker;
  reading.table = readTable(
      image, [table](int k) { return type2ThresholdAt(table, k); }, [table](int k) { return type2SpeedAt(table, k); });
  return reading;
}

}  // namespace oza
