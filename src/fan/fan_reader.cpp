#include "fan/fan_reader.h"

#include "fan/fan_fields.h"
#include "text/number_text.h"

namespace oza {

int percentOf(int raw, int scale) {
  if (scale == 0) throw OverflowError();
  return roundToInt16(static_cast<double>(raw) / scale * 100);
}

bool decodeFanRegisters(const ByteImage& image, FanLocation& location, const FanCard& card,
                        FanRegisterValues& registers) {
  for (int n = 0; n < 3; ++n)
    location.registerPositions[n] = findFanRegister(image, location.fanControlPosition, n, card.rv770);
  // A register that was not found would be read from the image's first bytes.
  for (const std::int32_t position : location.registerPositions)
    if (position == 0) return false;
  auto field = [&](const FanField& f) { return readFanField(image, location.registerPositions[f.reg], f); };
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
    if (!image.contains(thresholdAt(k))) return false;
    table.thresholds[k] = image.at(thresholdAt(k));
  }
  for (int k = 0; k < kFanTablePoints; ++k, ++table.bytesRead) {
    if (!image.contains(speedAt(k))) return false;
    table.speeds[k] = image.at(speedAt(k));
  }
  return true;
}

}  // namespace

bool decodeType1Table(const ByteImage& image, FanLocation& location, const FanCard& card, FanTableBytes& table) {
  if (card.rv770 && location.tableType == FanTableType::None) return true;
  const std::int64_t section = findFanSection(image, location.fanControlPosition, card.r680);
  if (section < 0) return false;
  location.type1Section = section;
  return readTable(
      image, [section](int k) { return type1ThresholdAt(section, k); },
      [section](int k) { return type1SpeedAt(section, k); }, table);
}

bool decodeType2Settings(const ByteImage& image, FanLocation& location, FanSettings& settings) {
  try {
    const std::int64_t section = findType2Section(image, location.fanControlPosition);
    if (section < 0) return false;
    const std::int64_t scaleMarker = findType2Marker(image, section, 'M');
    if (scaleMarker < 0) return false;
    location.type2SpeedScale = static_cast<std::int16_t>(2 * image.at(type2ScaleAt(scaleMarker)));
    const std::int64_t hysteresisMarker = findType2Marker(image, section, 'O');
    if (hysteresisMarker < 0) return false;
    settings.type2Hysteresis = image.at(type2HysteresisAt(hysteresisMarker));
    const std::int64_t tableMarker = findType2Marker(image, section, 'P');
    if (tableMarker < 0) return false;
    location.type2HysteresisMarker = hysteresisMarker;
    location.type2TableMarker = tableMarker;
    return readTable(
        image, [tableMarker](int k) { return type2ThresholdAt(tableMarker, k); },
        [tableMarker](int k) { return type2SpeedAt(tableMarker, k); }, settings.type2Table);
  } catch (const OutOfImage&) {
    return false;
  }
}

}  // namespace oza
