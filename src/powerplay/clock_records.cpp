#include "powerplay/clock_records.h"

#include <algorithm>

#include "image/base_convert.h"
#include "image/hex_fields.h"
#include "image/number_text.h"
#include "powerplay/clock_location.h"
#include "powerplay/clock_tab.h"

namespace oza {

namespace {

// The leading number of a voltage text: digits and at most one point from
// the start; 0 when the text starts otherwise.
double voltageValue(const std::string& text) {
  std::string number;
  bool point = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      number += c;
    } else if (c == '.' && !point) {
      number += c;
      point = true;
    } else {
      break;
    }
  }
  return textValue(number);
}

// `value` times `factor` as `digits` hex digits, or empty text when the
// product is no whole number that fits.
std::string scaledHex(double value, double factor, int digits) {
  const std::string product = BaseConvert(decimalText(value * factor), 10, 16);
  if (product == "Error") return {};
  return padLeft(digits, product);
}

bool writeClock(ByteImage& image, std::int64_t position, const std::string& text) {
  if (!isDecimalNumber(text)) return false;
  const std::string hex = scaledHex(textValue(text), 100, 6);
  return !hex.empty() && WriteClockHex(image, position, hex);
}

}  // namespace

bool ReadClocksAndVoltages(const ByteImage& image, std::int64_t ClockPosition, int& States, ClockTab& tab) {
  States = std::min(States, kMaxRecords);
  try {
    for (int i = 0; i < States; ++i) {
      const std::int64_t p = ClockPosition + std::int64_t{kRecordSize} * i;
      const std::uint32_t gpu = image.clock(p);
      const std::uint32_t ram = image.clock(p + 3);
      const std::uint32_t voltage = image.word(p + 6);
      tab.GPU[i].setText(decimalText(gpu / 100.0));
      tab.RAM[i].setText(decimalText(ram / 100.0));
      tab.Voltage[i].setText(voltage > kLargestVoltage ? "---" : decimalText(voltage / 1000.0));
    }
  } catch (const OutOfImage&) {
    return false;
  }
  return true;
}

bool WriteClockSettings(ByteImage& image, ClockTab& tab, const ClockLocation& location, int records) {
  // The state list is shown afresh, as a save always did.
  tab.showStates(location.states.value_or(PowerPlayStates{}));
  // A save never writes records it cannot find (position 0 is the image's start).
  if (location.ClockPosition == 0) return false;
  const int n = std::min(records, kMaxRecords);
  try {
    for (int r = 0; r < n; ++r) {
      const std::int64_t q = location.ClockPosition + std::int64_t{kRecordSize} * r;
      // A box that still shows what was loaded leaves its field as stored.
      if (!tab.GPU[r].showsLoaded() && !writeClock(image, q, tab.GPU[r].text())) return false;
      if (!tab.RAM[r].showsLoaded() && !writeClock(image, q + 3, tab.RAM[r].text())) return false;

      const std::string& text = tab.Voltage[r].text();
      if (tab.Voltage[r].showsLoaded()) continue;
      // "---" stands for a field that holds no voltage; unless the user
      // typed over it, the field keeps its bytes.
      if (text == "---" && image.word(q + 6) > kLargestVoltage) continue;
      const double volts = voltageValue(text);
      const std::string hex = volts == 0 ? "FF01" : scaledHex(volts, 1000, 4);
      if (hex.empty() || !WriteWordHex(image, q + 6, hex)) return false;
    }
  } catch (const OutOfImage&) {
    return false;
  }
  return true;
}

bool GetOverDrive(const ByteImage& image, ClockTab& tab) {
  for (Control* label : {&tab.Label101, &tab.Label102, &tab.Label103, &tab.Label104}) label->setText("MHz");
  const std::int64_t i = image.find({0x59, 0x00, 0x01, 0x04}, 1, image.last() - 5);
  if (i < 0) return false;
  const std::int64_t q = i + 8;
  const struct {
    std::int64_t offset;
    Control* label;
  } fields[] = {{0, &tab.Label101}, {4, &tab.Label102}, {24, &tab.Label103}, {28, &tab.Label104}};
  try {
    for (const auto& field : fields)
      field.label->setText(decimalText(image.clock(q + field.offset) / 100.0) + " MHz");
  } catch (const OutOfImage&) {
    return false;
  }
  return true;
}

}  // namespace oza
