#include "session/save_pipeline.h"

#include <algorithm>

#include "fan/fan_tab_io.h"
#include "files/file_io.h"
#include "text/number_text.h"
#include "files/replace_question.h"
#include "powerplay/clock_tab_io.h"
#include "save/checksum_correction.h"
#include "image/info_tab_io.h"
#include "session/session.h"

namespace oza {

namespace {

// Longest default name the dialog takes.
constexpr std::size_t kLongestDefaultName = 254;

// Shows why the save stopped; the save then writes nothing.
bool refuse(Platform& platform, const std::string& text) {
  platform.message(text, MessageIcon::Information);
  return false;
}

}  // namespace

std::string defaultBiosFileName(const Session& session) {
  const ClockTab& c = session.form.clock;
  if (c.memoryClock[1].text().empty() || c.memoryClock[2].text().empty()) return "Default.rom";
  std::string name = "2D - " + c.gpuClock[1].text() + ", " + c.memoryClock[1].text() + ", " + c.voltage[1].text() +
                     " 3D - " + c.gpuClock[3].text() + ", " + c.memoryClock[3].text() + ", " + c.voltage[3].text() +
                     ".rom";
  // A pasted "/" would turn the name into a folder.
  std::replace(name.begin(), name.end(), '/', '-');
  return name.size() > kLongestDefaultName ? "Default.rom" : name;
}

std::string saveBiosDialog(Session& session) {
  FileDialogRequest request;
  request.title = "Save BIOS file...";
  request.filters = {{"BIOS files (*.rom)", "*.rom"}, {"All Files (*.*)", "*.*"}};
  request.defaultName = defaultBiosFileName(session);
  return trimBlanks(session.platform.saveFileDialog(request));
}

bool saveBiosFile(Session& session) {
  Platform& platform = session.platform;
  MainForm& form = session.form;
  // Every save patches a fresh copy of the loaded bytes: a refused save
  // leaves nothing behind, and the same edits always give the same file.
  ByteImage image = session.image;

  if (const auto error = saveClockSettings(image, session.clockLocation, session.clockRecords, form.clock))
    return refuse(platform, clockWriteMessage(*error));
  if (const auto error = saveFanSettings(image, session.fanLocation, form.fan, form.fanTabButton.enabled()))
    return refuse(platform, fanWriteMessage(*error));
  if (const auto error = saveInfoSettings(image, session.strings, session.cardId, form.info))
    return refuse(platform, infoWriteMessage(*error));
  if (!correctChecksum(image, session.loadedCheckSum, form.info.preModified.checked(), platform)) return false;

  const std::string path = saveBiosDialog(session);
  if (path.empty()) return false;
  if (!askBeforeReplacing(platform, path)) return false;
  const WriteOutcome written = writeImageFile(path, image, platform.fileWrites);
  if (written == WriteOutcome::CannotReplace) {
    // Immutable, or in a folder that keeps other users' files: the same
    // answer as for a write-protected file.
    showCannotOverwrite(platform);
    return false;
  }
  if (written != WriteOutcome::Written)
    return refuse(platform, "Error writing BIOS to file. Maybe file system error (HD full/write protected)? - Debug "
                            "information: 'WriteBIOSToFile(sFile)' reported error.");
  return true;
}

}  // namespace oza
