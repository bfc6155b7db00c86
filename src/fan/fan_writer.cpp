#include "fan/fan_writer.h"

#include "fan/fan_fields.h"
#include "text/number_text.h"

namespace oza {

namespace {

// The register fields in their order of writing.
std::optional<FanWriteError> writeRegisters(ByteImage& image, const FanLocation& location, const FanRegisterChanges& changes) {
  const struct {
    FanWriteError error;
    const FanField& field;
    const std::optional<double>& value;
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
      return write.error;
  }
  return std::nullopt;
}

// round(value) into the byte at `position`; OverflowError when it does not fit.
void writeByte(ByteImage& image, std::int64_t position, const std::optional<double>& value) {
  if (value) image.set(position, static_cast<std::uint8_t>(roundToByte(*value)));
}

// Thresholds, then speeds, at the positions the reader took them from.
template <typename ThresholdAt, typename SpeedAt>
void writeTable(ByteImage& image, ThresholdAt thresholdAt, SpeedAt speedAt, const FanTableChanges& table) {
  for (int k = 0; k < kFanTablePoints; ++k) writeByte(image, thresholdAt(k), table.thresholds[k]);
  for (int k = 0; k < kFanTablePoints; ++k) writeByte(image, speedAt(k), table.speeds[k]);
}

bool writeType1Table(ByteImage& image, std::int64_t section, const FanTableChanges& table) {
  if (section < 0) return false;
  try {
    writeTable(
        image, [section](int k) { return type1ThresholdAt(section, k); },
        [section](int k) { return type1SpeedAt(section, k); }, table);
    return true;
  } catch (const OutOfImage&) {
    return false;
  } catch (const OverflowError&) {
    return false;
  }
}

std::optional<FanWriteError> writeType1(ByteImage& image, const FanLocation& location, const FanChanges& changes) {
  const std::optional<double>& mode = changes.registers.controlMode;
  if (mode && !writeFanField(image, location.registerPositions[kControlMode.reg], kControlMode, *mode))
    return FanWriteError::ControlMode;
  if (const auto error = writeRegisters(image, location, changes.registers)) return error;
  if (!writeType1Table(image, location.type1Section, changes.type1Table)) return FanWriteError::LookUpTable;
  return std::nullopt;
}

std::optional<FanWriteError> writeType2(ByteImage& image, const FanLocation& location, const FanChanges& changes) {
  const std::int64_t tableMarker = location.type2TableMarker;
  const std::int64_t hysteresisMarker = location.type2HysteresisMarker;
  if (tableMarker < 0 && hysteresisMarker < 0) return FanWriteError::NoType2Section;
  if (tableMarker < 0) return FanWriteError::NoType2TableMarker;
  if (hysteresisMarker < 0) return FanWriteError::NoType2HysteresisMarker;
  writeByte(image, type2HysteresisAt(hysteresisMarker), changes.type2Hysteresis);
  writeTable(
      image, [tableMarker](int k) { return type2ThresholdAt(tableMarker, k); },
      [tableMarker](int k) { return type2SpeedAt(tableMarker, k); }, changes.type2Table);
  return std::nullopt;
}

}  // namespace

std::string fanWriteMessage(FanWriteError error) {
  return "Unable to write fan settings. This may be due to illegal values set. - Debug information: "
         "'WriteFanSettings' " +
         std::to_string(static_cast<int>(error)) + ".";
}

std::optional<FanWriteError> writeFanSettings(ByteImage& image, const FanLocation& location, const FanChanges& changes) {
  try {
    switch (location.tableType) {
      case FanTableType::Type1: return writeType1(image, location, changes);
      case FanTableType::None: return writeRegisters(image, location, changes.registers);
      case FanTableType::Type2: return writeType2(image, location, changes);
    }
    return std::nullopt;
  } catch (const OutOfImage&) {
    return FanWriteError::Type2Value;
  } catch (const OverflowError&) {
    return FanWriteError::Type2Value;
  }
}

}  // namespace oza
