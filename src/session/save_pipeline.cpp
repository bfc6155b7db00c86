#include "session/save_pipeline.h"

#include <algorithm>

#include "fan/fan_tab_io.h"
#include "image/file_io.h"
#include "image/number_text.h"
#include "image/replace_question.h"
#include "powerplay/clock_records.h"
#include "save/checksum_correction.h"
#include "save/info_writer.h"
#include "session/session.h"

namespace oza {

namespace {

// Longest default name the dialog takes.
constexpr std::size_t kLongestDefaultName = 254;

const char* infoMessage(int code) {
  switch (code) {
    case 0: return "Error writing BIOS information. Maybe no BIOS loaded before? - Debug information: 'WriteInfoSettings' reported 0.";
    case 3: return "Error writing BIOS version string. Maybe string too long (can't be longer than original one)? - Debug information: 'WriteInfoSettings' reported 3.";
    case 4: return "Error writing reported chip type. Maybe string too long (can't be longer than original one)? - Debug information: 'WriteInfoSettings' reported 4.";
    case 5: return "Error writing hardware specs string. Maybe string too long (can't be longer than original one)? - Debug information: 'WriteInfoSettings' reported 5.";
    case 6: return "Error writing copyright message. Maybe string too long (can't be longer than original one)? - Debug information: 'WriteInfoSettings' reported 6.";
    case 7: return "Error writing ATOM BIOS version. Maybe string too long (can't be longer than original one)? - Debug information: 'WriteInfoSettings' reported 7.";
    case 8: return "Error writing power cable error message. Maybe string too long (can't be longer than original one)? - Debug information: 'WriteInfoSettings' reported 8.";
    case 9: return "Error writing sub vendor ID. - Debug information: 'WriteInfoSettings' reported 9.";
    case 10: return "Error writing video card ID. - Debug information: 'WriteInfoSettings' reported 10.";
    default: return nullptr;
  }
}

}  // namespace

std::string defaultBiosFileName(const Session& session) {
  const ClockTab& c = session.form.clock;
  if (c.RAM[1].text().empty() || c.RAM[2].text().empty()) return "Default.rom";
  std::string name = "2D - " + c.GPU[1].text() + ", " + c.RAM[1].text() + ", " + c.Voltage[1].text() + " 3D - " +
                     c.GPU[3].text() + ", " + c.RAM[3].text() + ", " + c.Voltage[3].text() + ".rom";
  // A pasted "/" would turn the name into a folder.
  std::replace(name.begin(), name.end(), '/', '-');
  return name.size() > kLongestDefaultName ? "Default.rom" : name;
}

std::string SaveBIOSDialog(Session& session) {
  FileDialogRequest request;
  request.title = "Save BIOS file...";
  request.filters = {{"BIOS files (*.rom)", "*.rom"}, {"All Files (*.*)", "*.*"}};
  request.defaultName = defaultBiosFileName(session);
  return trimBlanks(session.platform.saveFileDialog(request));
}

bool SaveBIOSFile(Session& session) {
  Platform& platform = session.platform;
  MainForm& form = session.form;
  // Every save patches a fresh copy of the loaded bytes: a refused save
  // leaves nothing behind, and the same edits always give the same file.
  ByteImage image = session.BIOSArray;

  if (!WriteClockSettings(image, form.clock, session.clockLocation, session.clockRecords)) {
    platform.message("Unable to write clock settings. This may be due to illegal values set. - Debug information: "
                     "'WriteClockSettings' reported error.",
                     MessageIcon::Information);
    return false;
  }
  const FanWriteError fanError = saveFanSettings(image, session.fanLocation, form.fan, form.Option2.enabled());
  if (fanError != FanWriteError::None) {
    platform.message(fanWriteMessage(fanError), MessageIcon::Information);
    return false;
  }
  const int infoCode = WriteInfoSettings(image, session.strings, form.info, session.VideoCardID);
  if (const char* text = infoMessage(infoCode)) {
    platform.message(text, MessageIcon::Information);
    return false;
  }
  if (!correctChecksum(image, session.LoadedCheckSum, form.info.Check1.checked(), platform)) return false;

  const std::string sFile = SaveBIOSDialog(session);
  if (sFile.empty()) return false;
  if (!askBeforeReplacing(platform, sFile)) return false;
  const WriteOutcome written = writeImageFile(sFile, image, platform.fileWrites);
  if (written == WriteOutcome::CannotReplace) {
    // Immutable, or in a folder that keeps other users' files: the same
    // answer as for a write-protected file.
    showCannotOverwrite(platform);
    return false;
  }
  if (written != WriteOutcome::Written) {
    platform.message("Error writing BIOS to file. Maybe file system error (HD full/write protected)? - Debug "
                     "information: 'WriteBIOSToFile(sFile)' reported error.",
                     MessageIcon::Information);
    return false;
  }
  return true;
}

}  // namespace oza
