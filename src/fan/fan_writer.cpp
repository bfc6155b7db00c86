#include "fan/fan_writer.h"

#include <algorithm>
#include <functional>
#include <vector>

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

// A box that still shows the number the load put there: its field keeps the
// stored bytes, which a percentage or a clamp may not give back.
bool showsLoadedNumber(const Control& box) {
  if (box.kind() != ControlKind::TextBox) return box.showsLoaded();
  return box.showsLoaded() || textValue(box.text()) == textValue(box.loadedText());
}

// The boxes the look-up mode sets before a save; they are written even when
// they happen to show what was loaded.
struct Forced {
  std::vector<const Control*> boxes;
  bool has(const Control* box) const { return std::find(boxes.begin(), boxes.end(), box) != boxes.end(); }
};

// The register fields in their order of writing, with their codes.
std::int16_t writeFields(ByteImage& image, const FanGlobals& globals, FanTab& tab, int scale, const Forced& forced) {
  struct Write {
    std::int16_t code;
    const FanField& field;
    const Control* box;  // null: written whatever it shows
    std::function<std::string()> value;
  };
  const Write writes[] = {
      {3, kTmin, &tab.Text5, [&] { return tab.Text5.text(); }},
      {4, kTmax, &tab.Text6, [&] { return tab.Text6.text(); }},
      // Tslope is shown as computed from Tmin, Tmax and Duty cycle min, and
      // saved as shown.
      {5, kTslope, nullptr, [&] { return scaledPercent(tab.Text7, scale); }},
      {6, kDutyMin, &tab.Text9, [&] { return scaledPercent(tab.Text9, scale); }},
      {7, kHysteresis, &tab.Type1Hysteresis, [&] { return rounded(tab.Type1Hysteresis); }},
      {8, kSpinUpCycle, &tab.Text3, [&] { return scaledPercent(tab.Text3, scale); }},
      {9, kTminHysteresis, &tab.Text8, [&] { return tab.Text8.text(); }},
      {10, kSpinUpTime, &tab.Text4, [&] { return tab.Text4.text(); }},
      {11, kPwmRampOn, &tab.Check3, [&] { return std::string(tab.Check3.checked() ? "1" : "0"); }},
      {12, kPwmRamp, &tab.Text2, [&] { return scaledPercent(tab.Text2, scale); }},
  };
  for (const Write& write : writes) {
    if (write.box && !forced.has(write.box) && showsLoadedNumber(*write.box)) continue;
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

std::int16_t writeType1(ByteImage& image, const FanGlobals& globals, FanTab& tab) {
  Forced forced;
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
    forced.boxes = {&tab.Type1Hysteresis, &tab.Text2, &tab.Check3, &tab.Text5, &tab.Text8};
  }
  const int scale = ReadFanField(image, globals.FanRegisterPosition1, kDutyScale);
  if (!tab.Option4.showsLoaded() &&
      !WriteFanField(image, globals.FanRegisterPosition2, kControlMode, tab.Option4.checked() ? "2" : "3"))
    return 2;
  if (const std::int16_t code = writeFields(image, globals, tab, scale, forced)) return code;
  if (!WriteFanLookUpTable(image, globals, tab, scale)) return 13;
  return 0;
}

// round(x) into the byte at `position`, unless the box still shows what was
// loaded; OverflowError when it does not fit.
void writeByte(ByteImage& image, std::int64_t position, const Control& box, double raw) {
  if (showsLoadedNumber(box)) return;
  image.set(position, static_cast<std::uint8_t>(roundToByte(raw)));
}

std::int16_t writeType2(ByteImage& image, const FanGlobals& globals, FanTab& tab) {
  if (globals.type2Table < 0 && globals.type2Hysteresis < 0) return 14;
  const std::int64_t p = globals.type2Table;
  if (p < 0) return 15;
  const std::int64_t o = globals.type2Hysteresis;
  if (o < 0) return 16;
  writeByte(image, o + 1, tab.Text1, textValue(tab.Text1.text()));
  for (int k = 0; k < 8; ++k) writeByte(image, p + 1 + 4 * k, tab.Threshold[k], textValue(tab.Threshold[k].text()));
  for (int k = 0; k < 8; ++k)
    writeByte(image, p + 3 + 4 * k, tab.FanSpeed[k],
              roundHalfEven(textValue(tab.FanSpeed[k].text()) * globals.Type2SpeedScale / 100));
  return 0;
}

}  // namespace

std::int16_t WriteFanSettings(ByteImage& image, const FanGlobals& globals, FanTab& tab, bool fanTabEnabled) {
  if (!fanTabEnabled) return 0;
  try {
    switch (globals.FanTableType) {
      case 1: return writeType1(image, globals, tab);
      case 0: {
        const int scale = ReadFanField(image, globals.FanRegisterPosition1, kDutyScale);
        return writeFields(image, globals, tab, scale, Forced{});
      }
      case 2: return writeType2(image, globals, tab);
      default: return 0;
    }
  } catch (const std::exception&) {
    return 1;
  }
}

bool WriteFanLookUpTable(ByteImage& image, const FanGlobals& globals, FanTab& tab, int scale) {
  try {
    const std::int64_t z = globals.type1Section;
    if (z < 0) return false;
    for (int k = 0; k < 8; ++k) writeByte(image, z + 5 + k, tab.Type1Threshold[k], textValue(tab.Type1Threshold[k].text()));
    for (int k = 0; k < 8; ++k)
      writeByte(image, z + 13 + k, tab.Type1FanSpeed[k], roundHalfEven(textValue(tab.Type1FanSpeed[k].text()) / 100 * scale));
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace oza
