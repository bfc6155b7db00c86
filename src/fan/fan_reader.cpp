#include "fan/fan_reader.h"

#include "fan/fan_fields.h"
#include "fan/fan_tab.h"
#include "image/number_text.h"

namespace oza {

int percentOf(int raw, int scale) {
  if (scale == 0) throw OverflowError();
  return roundToInt16(static_cast<double>(raw) / scale * 100);
}

bool ReadFanSettings(const ByteImage& image, FanGlobals& globals, const FanCard& card, FanTab& tab,
                     bool fanTabSelected) {
  try {
    globals.FanRegisterPosition0 = FindFanRegister(image, globals.FanControlPosition, 0, card.rv770);
    globals.FanRegisterPosition1 = FindFanRegister(image, globals.FanControlPosition, 1, card.rv770);
    globals.FanRegisterPosition2 = FindFanRegister(image, globals.FanControlPosition, 2, card.rv770);
    // A register that was not found would be read from the image's first bytes.
    if (globals.FanRegisterPosition0 == 0 || globals.FanRegisterPosition1 == 0 || globals.FanRegisterPosition2 == 0)
      return false;
    auto field = [&](const FanField& f) { return ReadFanField(image, globals.registerPosition(f.reg), f); };

    const int mode = field(kControlMode);
    if (mode == 2) {
      tab.modes.select(tab.Option4);
    } else if (mode == 3) {
      tab.modes.select(tab.Option5);
    } else {
      return false;
    }
    const int scale = field(kDutyScale);
    FanTab::load(tab.Text5, std::to_string(field(kTmin)));
    FanTab::load(tab.Text6, std::to_string(field(kTmax)));
    FanTab::load(tab.Text7, std::to_string(percentOf(field(kTslope), scale)));
    FanTab::load(tab.Text9, std::to_string(percentOf(field(kDutyMin), scale)));
    FanTab::load(tab.Type1Hysteresis, std::to_string(field(kHysteresis)));
    FanTab::load(tab.Text8, std::to_string(field(kTminHysteresis)));
    FanTab::load(tab.Text3, std::to_string(percentOf(field(kSpinUpCycle), scale)));
    FanTab::load(tab.Text4, std::to_string(field(kSpinUpTime)));
    tab.Check3.setChecked(field(kPwmRampOn) == 1);
    FanTab::load(tab.Text2, std::to_string(percentOf(field(kPwmRamp), scale)));

    if (!ReadFanLookUpTable(image, globals, card, tab, scale)) return false;
    if (fanTabSelected) tab.Frame4.setVisible(true);
    tab.ShowFanControls(globals.FanTableType);
    if (mode == 2) {
      tab.DrawTransferGraph();
    } else {
      tab.DrawLookUpGraph();
    }
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool ReadFanLookUpTable(const ByteImage& image, FanGlobals& globals, const FanCard& card, FanTab& tab,
                        int DutyScale) {
  if (card.rv770 && globals.FanTableType == 0) return true;
  try {
    const std::int64_t z = findFanSection(image, globals.FanControlPosition, card.r680);
    if (z < 0) return false;
    globals.type1Section = z;
    for (int k = 0; k < 8; ++k) FanTab::load(tab.Type1Threshold[k], std::to_string(image.at(z + 5 + k)));
    for (int k = 0; k < 8; ++k)
      FanTab::load(tab.Type1FanSpeed[k], std::to_string(percentOf(image.at(z + 13 + k), DutyScale)));
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool ReadFanSettingsType2(const ByteImage& image, FanGlobals& globals, FanTab& tab, bool fanTabSelected) {
  try {
    const std::int64_t z = findType2Section(image, globals.FanControlPosition);
    if (z < 0) return false;
    const std::int64_t m = findType2Marker(image, z, 'M');
    if (m < 0) return false;
    globals.Type2SpeedScale = static_cast<std::int16_t>(2 * image.at(m + 1));
    const std::int64_t o = findType2Marker(image, z, 'O');
    if (o < 0) return false;
    const int hysteresis = image.at(o + 1);
    const std::int64_t p = findType2Marker(image, z, 'P');
    if (p < 0) return false;
    globals.type2Hysteresis = o;
    globals.type2Table = p;
    for (int k = 0; k < 8; ++k) FanTab::load(tab.Threshold[k], std::to_string(image.at(p + 1 + 4 * k)));
    for (int k = 0; k < 8; ++k)
      FanTab::load(tab.FanSpeed[k], std::to_string(percentOf(image.at(p + 3 + 4 * k), globals.Type2SpeedScale)));
    tab.Text1.setText(std::to_string(hysteresis));
    if (fanTabSelected) tab.Frame3.setVisible(true);
    tab.DrawType2Graph();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace oza
