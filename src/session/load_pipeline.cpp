#include "session/load_pipeline.h"

#include "fan/fan_tab.h"
#include "fan/fan_tab_io.h"
#include "image/atom_layout.h"
#include "files/file_io.h"
#include "files/replace_question.h"
#include "image/info_strings.h"
#include "image/info_tab_io.h"
#include "text/number_text.h"
#include "powerplay/clock_location.h"
#include "powerplay/clock_records.h"
#include "powerplay/clock_tab_io.h"
#include "save/checksum.h"
#include "session/session.h"
#include "session/tab_pages.h"

namespace oza {

namespace {

const char* const kNotAtiBios = "Unable to attain BIOS information. Not an ATI BIOS? - Debug information: ";
const char* const kNoClockSettings =
    "Unable to find clock settings. This may be due to an unrecognized video card. Please drop a "
    "note to the eMail-address found in the about section. - Debug information: ";
const char* const kInvalidFile = "Invalid file specified. Not an ATI BIOS? - Debug information: ";

// Shows a failure of the load and empties the display.
void fail(Session& session, const std::string& text) {
  session.platform.message(text, MessageIcon::Information);
  resetBiosDisplay(session);
  rememberLoadedControls(session);
}

// A file that cannot even be opened as a file: the display stays as it is.
bool cannotOpen(const ReadFailure& failure) {
  return failure.problem != ReadProblem::Empty && failure.problem != ReadProblem::TooLarge;
}

// Detects the fan controller, reads it and decides whether the fan tab can
// be used. A fan that cannot be read only disables the tab.
void loadFanSettings(Session& session) {
  MainForm& form = session.form;
  FanLocation& location = session.fanLocation;
  session.fanCard.r680 = isR680(session.strings.chipType);
  session.fanCard.rv770 = isRv770Card(session.cardId);
  locateFanTable(session.image, session.fanCard.r680, location);
  // Whatever this image does not fill must not show the last image's values.
  form.fan.clearFanTables();

  const bool fanSelected = form.fanTabButton.checked();
  bool usable = session.fanCard.rv770 || location.tableType != FanTableType::None;
  if (usable) {
    form.fanTabButton.setEnabled(true);
    usable = location.tableType == FanTableType::Type2
                 ? loadType2FanSettings(session.image, location, form.fan, fanSelected)
                 : loadType1FanSettings(session.image, location, session.fanCard, form.fan, fanSelected);
  }
  if (!usable) {
    form.fanTabButton.setEnabled(false);
    if (form.fanTabButton.checked()) showInfoTab(session);
  }
  if (form.fanTabButton.checked() && form.fanTabButton.enabled()) showFanTab(session);
}

// The card-data sequence: everything specific to the card, in its order.
bool loadCardData(Session& session) {
  MainForm& form = session.form;
  const ByteImage& image = session.image;

  const std::optional<std::int64_t> sum = fileCheckSum(image);
  if (!sum) {
    fail(session, "Unable to calculate file checksum. - Debug information: 'GetFileCheckSum(1)' reported error.");
    return false;
  }
  session.loadedCheckSum = static_cast<std::int32_t>(*sum);

  if (!showSubVendor(form.info, image)) {
    fail(session, "Error reading sub vendor ID. - Debug information: 'GetSubVendor' reported error.");
    return false;
  }
  const std::optional<std::uint16_t> cardId = showCardType(form.info, image);
  if (!cardId) {
    fail(session, "Error reading video card ID. - Debug information: 'GetReportedVideoCardType' reported error.");
    return false;
  }
  session.cardId = *cardId;
  showBiosInfo(form.info, image, session.strings, checkSumText(*sum));

  ClockTab& clock = form.clock;
  const ClockLocation& location = session.clockLocation = findClockLocation(image);
  // A table without states leaves nothing of an earlier image in the list.
  clock.showStates(location.states.value_or(PowerPlayStates{}));
  const std::int64_t clockPosition = location.clockPosition;
  if (clockPosition == 0) {
    fail(session, std::string(kNoClockSettings) + "'GetClockPos' reported 0.");
    return false;
  }
  if (!loadOverdrive(image, clock)) {
    session.platform.message(
        "Unable to find overdrive settings. Maybe your card simply does not support overdrive. If "
        "you're sure this card supports it, please drop a note to the eMail-address found in the "
        "about section. - Debug information: 'GetOverDrive' reported error.",
        MessageIcon::Information);
  }
  form.info.preModified.setChecked(checkPreModified(image));

  int recordCount = session.clockRecords = countClockRecords(image, clockPosition);
  clock.recordCount.setText(std::to_string(recordCount));
  if (recordCount == 0) {
    fail(session, std::string(kNoClockSettings) + "'GetStatesNum(ClockPosition)' reported 0.");
    return false;
  }
  clock.clearClockBlocks();
  if (!loadClockInfos(image, clockPosition, recordCount, clock)) {
    fail(session,
         "Unable to display clock settings. This may be due to an unrecognized video card. Please "
         "drop a note to the eMail-address found in the about section. - Debug information: "
         "'ReadClocksAndVoltages(ClockPosition, States)' reported error.");
    return false;
  }
  clock.applyClockInfoLock();

  loadFanSettings(session);
  return true;
}

}  // namespace

std::string openBiosDialog(Session& session) {
  FileDialogRequest request;
  request.title = "Open BIOS file...";
  request.filters = {{"BIOS files (*.rom; *.bin)", "*.rom; *.bin"}, {"All Files (*.*)", "*.*"}};
  return session.platform.openFileDialog(request);
}

bool loadBiosFile(Session& session, std::string path) {
  if (path.empty()) {
    path = openBiosDialog(session);
    if (path.empty()) return false;
  }
  auto read = readBiosFile(path);
  if (!read && cannotOpen(read.error())) {
    session.platform.message(withReason("Unable to open file. Invalid file name specified?", readFailureText(read.error())),
                             MessageIcon::Critical);
    return false;
  }
  if (!read) {
    fail(session, withReason(std::string(kNotAtiBios) + "'ReadBIOSToArray' reported error.", readFailureText(read.error())));
    return false;
  }
  return loadBiosImage(session, path, std::move(*read));
}

bool loadBiosImage(Session& session, const std::string& path, ByteImage image) {
  session.image = std::move(image);
  const std::optional<StringPositions> positions = findStringPositions(session.image);
  if (!positions) {
    fail(session, std::string(kNotAtiBios) + "'GetStringPos' reported error.");
    return false;
  }
  clearInfoGlobals(session);
  session.strings.positions = positions;
  if (!splitInfos(session.image, *positions, session.strings)) {
    fail(session, std::string(kInvalidFile) + "'SplitInfos' reported error.");
    return false;
  }
  if (!checkValid(session.strings)) {
    fail(session, std::string(kInvalidFile) + "'CheckValid' reported error.");
    return false;
  }
  session.form.loadedFile.setText(path);
  if (!loadCardData(session)) return false;
  rememberLoadedControls(session);
  showGddr5SizeWarning(session);
  return true;
}

void rememberLoadedControls(Session& session) {
  rememberAsLoaded(session.controls());
}

void showGddr5SizeWarning(Session& session) {
  if (!usesGddr5(session.strings)) return;
  if (session.image.size() >= kLargest64kImage) return;
  const MessageAnswer answer = session.platform.message(
      "File may be corrupted. Show more detailed information?", MessageIcon::None,
      MessageButtons::YesNo, "Warning!");
  if (answer != MessageAnswer::Yes) return;
  session.textWindow.show(
      "File may be corrupted",
      "The problem is that the 4870's (and maybe later) BIOS is 128 kB instead of 64 kB in file "
      "size. ATIFlash, WinFlash and Tessaly 0.2.4 and earlier however read out the first 64 kB "
      "only. So, the file you get this way will be corrupted. Flashing such a file (modified "
      "using OZA or not) to the card will prevent the system form booting. OZA detected now that "
      "you specified a BIOS which has a 64 kB filesize only but utilizes GDDR5 memory. So, please "
      "double check if this file has been read out correctly! To be sure, use Tessaly v0.2.5 for "
      "BIOS extracting. However, writing the BIOS using ATIFlash or WinFlash should be no "
      "problem.");
}

void clearInfoGlobals(Session& session) {
  session.strings = InfoStrings{};
  session.loadedCheckSum = 0;
  FanLocation& fan = session.fanLocation;
  fan.commandTablePosition = 0;
  for (std::int32_t& position : fan.registerPositions) position = 0;
  fan.dutyScale = 0;
  fan.type2SpeedScale = 0;
  fan.type1Section = fan.type2HysteresisMarker = fan.type2TableMarker = -1;
  session.clockLocation = ClockLocation{};
  session.clockRecords = 0;
  session.form.clock.recordCount.setText("");
}

void resetBiosDisplay(Session& session) {
  MainForm& form = session.form;
  form.fanTabButton.setEnabled(true);
  form.info.preModified.setChecked(false);
  clearInfoGlobals(session);
  form.info.resetInfoLines();
  form.info.clearInfoFields();
  form.fan.clearFanTables();
  form.clock.clearClockBlocks();
}

}  // namespace oza
