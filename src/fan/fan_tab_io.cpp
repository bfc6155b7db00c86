#include "fan/fan_tab_io.h"

#include "fan/fan_reader.h"
#include "fan/fan_tab.h"

namespace oza {

bool loadType1FanSettings(const ByteImage& image, FanLocation& location, const FanCard& card, FanTab& tab,
                          bool fanTabSelected) {
  FanSettings settings;
  if (!decodeFanRegisters(image, location, card, settings.registers)) return false;
  if (!tab.showRegisters(settings.registers)) return false;
  const bool tableRead = decodeType1Table(image, location, card, settings.type1Table);
  tab.showType1Table(settings.type1Table, settings.registers.dutyScale);
  if (!tableRead) return false;
  if (fanTabSelected) tab.type1Frame.setVisible(true);
  tab.showFanControls(location.tableType);
  if (settings.registers.controlMode == 2) {
    tab.drawTransferGraph();
  } else {
    tab.drawLookUpGraph();
  }
  return true;
}

bool loadType2FanSettings(const ByteImage& image, FanLocation& location, FanTab& tab, bool fanTabSelected) {
  FanSettings settings;
  const bool decoded = decodeType2Settings(image, location, settings);
  if (!tab.showType2Table(settings.type2Table, location.type2SpeedScale) || !decoded) return false;
  tab.showType2Hysteresis(settings.type2Hysteresis);
  if (fanTabSelected) tab.type2Frame.setVisible(true);
  tab.drawType2Graph();
  return true;
}

std::optional<FanWriteError> saveFanSettings(ByteImage& image, const FanLocation& location, FanTab& tab, bool fanTabEnabled) {
  if (!fanTabEnabled) return std::nullopt;
  return writeFanSettings(image, location, tab.changedSettings());
}

}  // namespace oza
