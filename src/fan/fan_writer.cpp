#include "fan/fan_writer.h"

#include "fan/fan_fields.h"
#include "fan/fan_tab.h"
#include "image/number_text.h"

namespace oza {

namespace {

// round(value of the text / 100 * scale) as decimal text.
std::string scaledPercent(const Control& box, int scale) {
  return std::to_string(roundToInt16(textValue(box.text()) / 100 * scale));
}

std::string rounded(const Control& box) { return std::to_string(roundToInt16(textValue(box.text()))); }

// The register fields in their order of writing, with their codes.
std::int16_t writeFields(ByteImage& image, const FanGlobals& globals, FanTab& tab, int scale) {
  struct Write {
    std::int16_t code;
    const FanField& field;
    std::function<std::string()> value;
  };
  const Write writes[] = {
      {3, kTmin, [&] { return tab.Text5.text(); }},
      {4, kTmax, [&] { return tab.Text6.text(); }},
      {5, kTslope, [&] { return scaledPercent(tab.Text7, scale); }},
      {6, kDutyMin, [&] { return scaledPercent(tab.Text9, scale); }},
      {7, kHysteresis, [&] { return rounded(tab.Type1Hysteresis); }},
      {8, kSpinUpCycle, [&] { return scaledPercent(tab.Text3, scale); }},
      {9, kTminHysteresis, [&] { return tab.Text8.text(); }},
      {10, kSpinUpTime, [&] { return tab.Text4.text(); }},
      {11, kPwmRampOn, [&] { return std::string(tab.Check3.checked() ? "1" : "0"); }},
      {12, kPwmRamp, [&] { return scaledPercent(tab.Text2, scale); }},
  };
  for (const Write& write : writes) {
    bool written = false;
    try {
      written = WriteFanField(image, globals.registerPosition(write.field.reg), write.field, write.value());
    } catch (const OverflowError&) {
      written = false;
    }
    if (!written) return write.code;
  }
  return 0;
}

std::int16_t writeType1(ByteImage& image, const FanGlobals& globals, const FanCard& card, FanTab& tab) {
  if (tab.Option5.checked()) {
    // The look-up mode needs these values.
    tab.Type1Hysteresis.setText("0");
    tab.Text2.setText("1");
    if (!tab.Check3.checked()) {
      tab.Check3.setChecked(true);
      tab.Check3.onClick();
    }
    tab.Text5.setText("0");
    tab.Text8.setText("0");
  }
  const int scale = ReadFanField(image, globals.FanRegisterPosition1, kDutyScale);
  if (!WriteFanField(image, globals.FanRegisterPosition2, kControlMode, tab.Option4.checked() ? "2" : "3")) return 2;
  if (const std::int16_t code = writeFields(image, globals, tab, scale)) return code;
  if (!WriteFanLookUpTable(image, globals, card, tab, scale)) return 13;
  return 0;
}

std::int16_t writeType2(ByteImage& image, const FanGlobals& globals, FanTab& tab) {
  const std::int64_t z = findType2Section(image, globals.FanControlPosition);
  if (z < 0) return 14;
  const std::int64_t p = findType2Marker(image, z, 'P');
  if (p < 0) return 15;
  const std::int64_t o = findType2Marker(image, z, 'O');
  if (o < 0) return 16;
  image.set(o + 1, static_cast<std::uint8_t>(roundToByte(textValue(tab.Text1.text()))));
  for (int k = 0; k < 8; ++k)
    image.set(p + 1 + 4 * k, static_cast<std::uint8_t>(roundToByte(textValue(tab.Threshold[k].text()))));
  for (int k = 0; k < 8; ++k) {
    const double raw = roundHalfEven(textValue(tab.FanSpeed[k].text()) * globals.Type2SpeedScale / 100);
    image.set(p + 3 + 4 * k, static_cast<std::uint8_t>(roundToByte(raw)));
  }
  return 0;
}

}  // namespace

std::int16_t WriteFanSettings(ByteImage& image, const FanGlobals& globals, const FanCard& card, FanTab& tab,
                              bool fanTabEnabled) {
  if (!fanTabEnabled) return 0;
  try {
    switch (globals.FanTableType) {
      case 1: return writeType1(image, globals, card, tab);
      case 0: {
        const int scale = ReadFanField(image, globals.FanRegisterPosition1, kDutyScale);
        return writeFields(image, globals, tab, scale);
      }
      case 2: return writeType2(image, globals, tab);
      default: return 0;
    }
  } catch (const std::exception&) {
    return 1;
  }
}

bool WriteFanLookUpTable(ByteImage& image, const FanGlobals& globals, const FanCard& card, FanTab& tab, int scale) {
  try {
    const std::int64_t z = findFanSection(image, globals.FanControlPosition, card.r680);
    if (z < 0) return false;
    for (int k = 0; k < 8; ++k)
      image.set(z + 5 + k, static_cast<std::uint8_t>(roundToByte(textValue(tab.Type1Threshold[k].text()))));
    for (int k = 0; k < 8; ++k) {
      const double raw = roundHalfEven(textValue(tab.Type1FanSpeed[k].text()) / 100 * scale);
      image.set(z + 13 + k, static_cast<std::uint8_t>(roundToByte(raw)));
    }
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace oza
