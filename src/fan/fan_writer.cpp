// SPDX-License-Identifier: GPL-3.0-or-later

#include "fan/fan_writer.h"

#include "fan/fan_fields.h"
#include "text/number_text.h"

namespace oza {

namespace {

using FanWritten = std::expected<void, FanWriteError>;

// The register fields in their order of writing.
FanWritten writeRegisters(ByteImage& image, const FanLocation& location, const FanRegisterChanges& changes) {
  const struct {
    FanWriteError error;
    const FanField& field;
    const std::optional<FanFieldEdit>& value;
  } writes[] = {
      {FanWriteError::Tmin, kTmin, changes.tmin},
      {FanWriteError::Tmax, kTmax, changes.tmax},
      {FanWriteError::Tslope, kTslope, changes.tslope},
      {FanWriteError::DutyMin, kDutyMin, changes.dutyMin},
      {FanWriteError::Hysteresis, kHysteresis, changes.hysteresis},
      {FanWriteError::SpinUpCycle, kSpinUpCycle, changes.spinUpCycle},
      {FanWriteError::TminHysteresis, kTminHysteresis, changes.tminHysteresis},
      {FanWriteError::SpinUpTime, kSpinUpTime, changes.spinUpTime},
      {FanWriteError::PwmRampOn, kPwmRampOn, changes.pwmRampOn},
      {FanWriteError::PwmRamp, kPwmRamp, changes.pwmRamp},
  };
  for (const auto& write : writes) {
    if (write.value && !writeFanField(image, location.registerPositions[write.field.reg], write.field, *write.value))
      return std::unexpected(write.error);
  }
  return {};
}

// round(value) into the byte at `position`; false when it does not fit or
// lies outside the image.
bool writeByte(ByteImage& image, std::int64_t position, const std::optional<double>& value) {
  if (!value) return true;
  const std::optional<int> byte = roundToByte(*value);
  return byte && image.set(position, static_cast<std::uint8_t>(*byte));
}

// Thresholds, then speeds, at the positions the reader took them from.
template <typename ThresholdAt, typename SpeedAt>
bool writeTable(ByteImage& image, ThresholdAt thresholdAt, SpeedAt speedAt, const FanTableChanges& table) {
  for (int k = 0; k < kFanTablePoints; ++k)
    if (!writeByte(image, thresholdAt(k), table.thresholds[k])) return false;
  for (int k = 0; k < kFanTablePoints; ++k)
    if (!writeByte(image, speedAt(k), table.speeds[k])) return false;
  return true;
}

bool writeType1Table(ByteImage& image, const std::optional<std::int64_t>& found, const FanTableChanges& table) {
  if (!found) return false;
  const std::int64_t section = *found;
  return writeTable(
      image, [section](int k) { return type1ThresholdAt(section, k); },
      [section](int k) { return type1SpeedAt(section, k); }, table);
}

FanWritten writeType1(ByteImage& image, const FanLocation& location, const FanChanges& changes) {
  const std::optional<FanFieldEdit>& mode = changes.registers.controlMode;
  if (mode && !writeFanField(image, location.registerPositions[kControlMode.reg], kControlMode, *mode))
    return std::unexpected(FanWriteError::ControlMode);
  if (const FanWritten written = writeRegisters(image, location, changes.registers); !written) return written;
  if (!writeType1Table(image, location.type1Section, changes.type1Table))
    return std::unexpected(FanWriteError::LookUpTable);
  return {};
}

FanWritten writeType2(ByteImage& image, const FanLocation& location, const FanChanges& changes) {
  const std::optional<std::int64_t>& tableMarker = location.type2TableMarker;
  const std::optional<std::int64_t>& hysteresisMarker = location.type2HysteresisMarker;
  if (!tableMarker && !hysteresisMarker) return std::unexpected(FanWriteError::NoType2Section);
  if (!tableMarker) return std::unexpected(FanWriteError::NoType2TableMarker);
  if (!hysteresisMarker) return std::unexpected(FanWriteError::NoType2HysteresisMarker);
  const std::int64_t table = *tableMarker;
  const bool written = writeByte(image, type2HysteresisAt(*hysteresisMarker), changes.type2Hysteresis) &&
                       writeTable(
                           image, [table](int k) { return type2ThresholdAt(table, k); },
                           [table](int k) { return type2SpeedAt(table, k); }, changes.type2Table);
  if (!written) return std::unexpected(FanWriteError::Type2Value);
  return {};
}

}  // namespace

std::string fanWriteMessage(FanWriteError error) {
  return "Unable to write fan settings. This may be due to illegal values set. - Debug information: "
         "'WriteFanSettings' " +
         std::to_string(static_cast<int>(error)) + ".";
}

std::expected<void, FanWriteError> writeFanSettings(ByteImage& image, const FanLocation& location,
                                                    const FanChanges& changes) {
  switch (location.tableType) {
    case FanTableType::Type1: return writeType1(image, location, changes);
    case FanTableType::None: return writeRegisters(image, location, changes.registers);
    case FanTableType::Type2: return writeType2(image, location, changes);
  }
  return {};
}

}  // namespace oza
