#include "session/save_pipeline.h"

#include <algorithm>

#include "fan/fan_tab_io.h"
#include "files/file_io.h"
#include "text/number_text.h"
#include "files/replace_question.h"
#include "powerplay/clock_tab_io.h"
#include "save/checksum_correction.h"
#include "image/info_tab_io.h"
#include "session/reload_check.h"
#include "session/session.h"
#include "text/message_text.h"

namespace oza {

namespace {

const char* const kImageWriteFailed =
    "Error writing BIOS to file. Maybe file system error (HD full/write protected)? - Debug information: "
    "'WriteBIOSToFile(sFile)' reported error.";

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
  return session.platform.saveFileDialog(request);
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
  const InfoChanges infoChanges = form.info.changedSettings(session.strings, session.cardId);
  if (const auto unencodable = unencodableReason(infoChanges); unencodable && !infoChanges.tooLong)
    return refuse(platform, withReason(infoWriteMessage(InfoWriteError::Failed), *unencodable));
  if (const auto error = writeInfoSettings(image, session.strings, infoChanges))
    return refuse(platform, infoWriteMessage(*error));
  if (!correctChecksum(image, session.loadedCheckSum, form.info.preModified.checked(), platform)) return false;
  // Never a file that this program would refuse: the next load must find
  // what this save wrote.
  if (const auto problem = reloadProblem(session, image, infoChanges))
    return refuse(platform, withReason("Unable to save BIOS. The image would not load again with these changes.",
                                       *problem));

  const std::string path = saveBiosDialog(session);
  if (path.empty()) return false;
  const WriteMessage failed{kImageWriteFailed, MessageIcon::Information, kDefaultTitle, true};
  if (!askBeforeReplacing(platform, path, failed)) return false;
  if (const WriteResult written = writeImageFile(path, image, platform.fileWrites); !written) {
    showWriteFailure(platform, written.error(), failed);
    return false;
  }
  return true;
}

}  // namespace oza
