// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/image_decoding.h"

#include <algorithm>

#include "fan/fan_reader.h"
#include "image/atom_layout.h"
#include "save/checksum.h"

namespace oza {

namespace {

const char* const kNotAtiBios = "Unable to attain BIOS information. Not an ATI BIOS? - Debug information: ";
const char* const kInvalidFile = "Invalid file specified. Not an ATI BIOS? - Debug information: ";
const char* const kNoClockSettings =
    "Unable to find clock settings. This may be due to an unrecognized video card. Please drop a "
    "note to the eMail-address found in the about section. - Debug information: ";

std::unexpected<LoadFailure> stop(LoadError error, const std::vector<LoadNotice>& notices = {}) {
  return std::unexpected(LoadFailure{error, notices});
}

}  // namespace

FanReading readFan(const ByteImage& image, const FanCard& card) {
  FanReading fan;
  fan.card = card;
  fan.location = locateFanTable(image, fan.card.r680);
  FanLocation& location = fan.location;
  fan.supported = fan.card.rv770 || location.tableType != FanTableType::None;
  if (!fan.supported) return fan;
  if (location.tableType == FanTableType::Type2) {
    const Type2Reading type2 = decodeType2Settings(image, location.fanControlPosition);
    location.type2SpeedScale = type2.speedScale;
    location.type2HysteresisMarker = type2.hysteresisMarker;
    location.type2TableMarker = type2.tableMarker;
    fan.type2Table = type2.table;
    fan.type2Hysteresis = type2.hysteresis;
    fan.type2Read = type2.complete();
    fan.usable = fan.type2Read && location.type2SpeedScale != 0;
    return fan;
  }
  location.registerPositions = findFanRegisters(image, location.fanControlPosition, fan.card.rv770);
  fan.registers = decodeFanRegisters(image, location.registerPositions);
  if (!fan.registers) return fan;
  location.dutyScale = fan.registers->dutyScale;
  // Percentages of a duty scale of 0 cannot be shown: the tab shows no table then.
  if (location.dutyScale == 0) return fan;
  if (fan.card.rv770 && location.tableType == FanTableType::None) {
    // An RV770 card without a data section keeps its curve in the registers alone.
    fan.type1TableRead = true;
  } else {
    location.type1Section = findFanSection(image, location.fanControlPosition, fan.card.r680);
    if (location.type1Section) fan.type1Table = readType1Table(image, *location.type1Section);
    fan.type1TableRead = location.type1Section && fan.type1Table.whole();
  }
  fan.usable = fan.type1TableRead;
  return fan;
}

const PowerPlayStates& LoadedImage::states() const {
  static const PowerPlayStates none;
  return clockLocation.states ? *clockLocation.states : none;
}

bool LoadedImage::mayBeCutShort() const { return usesGddr5(strings) && bytes.size() < kLargest64kImage; }

std::string loadErrorMessage(LoadError error) {
  switch (error) {
    case LoadError::StringPositions: return std::string(kNotAtiBios) + "'GetStringPos' reported error.";
    case LoadError::SplitInfos: return std::string(kInvalidFile) + "'SplitInfos' reported error.";
    case LoadError::CheckValid: return std::string(kInvalidFile) + "'CheckValid' reported error.";
    case LoadError::Checksum:
      return "Unable to calculate file checksum. - Debug information: 'GetFileCheckSum(1)' reported error.";
    case LoadError::SubVendor:
      return "Error reading sub vendor ID. - Debug information: 'GetSubVendor' reported error.";
    case LoadError::CardId:
      return "Error reading video card ID. - Debug information: 'GetReportedVideoCardType' reported error.";
    case LoadError::ClockPosition: return std::string(kNoClockSettings) + "'GetClockPos' reported 0.";
    case LoadError::RecordCount: return std::string(kNoClockSettings) + "'GetStatesNum(ClockPosition)' reported 0.";
    case LoadError::ClockRecords: break;
  }
  return "Unable to display clock settings. This may be due to an unrecognized video card. Please drop a note to the "
         "eMail-address found in the about section. - Debug information: 'ReadClocksAndVoltages(ClockPosition, "
         "States)' reported error.";
}

std::string loadNoticeMessage(LoadNotice) {
  return "Unable to find overdrive settings. Maybe your card simply does not support overdrive. If you're sure this "
         "card supports it, please drop a note to the eMail-address found in the about section. - Debug "
         "information: 'GetOverDrive' reported error.";
}

std::expected<LoadedImage, LoadFailure> decodeImage(std::string path, ByteImage bytes) {
  LoadedImage loaded;
  loaded.path = std::move(path);
  loaded.bytes = std::move(bytes);
  const ByteImage& image = loaded.bytes;
  loaded.pciImages = walkPciImages(image);
  // Read-only, and never a reason to stop: an image whose tables are
  // inconsistent still loads, and the check says what is wrong with them.
  loaded.tables = readAtomTables(image);
  loaded.vramInfo = readVramInfo(image);

  const std::optional<StringPositions> positions = findStringPositions(image);
  if (!positions) return stop(LoadError::StringPositions);
  std::optional<InfoStrings> strings = splitInfos(image, *positions);
  if (!strings) return stop(LoadError::SplitInfos);
  loaded.strings = std::move(*strings);
  if (!checkValid(loaded.strings)) return stop(LoadError::CheckValid);

  const std::optional<std::int64_t> sum = fileCheckSum(image);
  if (!sum) return stop(LoadError::Checksum);
  loaded.checkSum = static_cast<std::int32_t>(*sum);
  const std::optional<std::uint32_t> subVendor = image.word(kSubVendorId);
  if (!subVendor) return stop(LoadError::SubVendor);
  loaded.subVendorId = static_cast<std::uint16_t>(*subVendor);
  const std::optional<std::uint32_t> cardId = image.word(kCardId);
  if (!cardId) return stop(LoadError::CardId);
  loaded.cardId = static_cast<std::uint16_t>(*cardId);
  // The box shows the characters a save writes: the 15th byte read is never
  // written, and is often a NUL.
  loaded.dateTime = biosDateTime(image).value_or("").substr(0, static_cast<std::size_t>(kDateLength));

  loaded.clockLocation = findClockLocation(image);
  if (!loaded.clockLocation.clockPosition) return stop(LoadError::ClockPosition);
  loaded.overdrive = readOverdrive(image);
  if (!loaded.overdrive || !loaded.overdrive->complete()) loaded.notices.push_back(LoadNotice::NoOverdrive);
  loaded.preModified = checkPreModified(image);

  const std::int64_t clockPosition = *loaded.clockLocation.clockPosition;
  loaded.clockRecordCount = countClockRecords(image, clockPosition);
  if (loaded.clockRecordCount == 0) return stop(LoadError::RecordCount, loaded.notices);
  const int shown = std::min(loaded.clockRecordCount, kMaxRecords);
  loaded.clockInfos = readClockInfos(image, clockPosition, shown);
  if (static_cast<int>(loaded.clockInfos.size()) != shown) return stop(LoadError::ClockRecords, loaded.notices);

  loaded.fan = readFan(image, FanCard{isRv770Card(loaded.cardId), isR680(loaded.strings.chipType)});
  loaded.card = readCardTables(image);
  return loaded;
}

}  // namespace oza
