#include "session/save_pipeline.h"

#include "fan/fan_writer.h"
#include "files/file_io.h"
#include "session/replace_question.h"
#include "image/info_writer.h"
#include "powerplay/clock_records.h"
#include "save/checksum_correction.h"
#include "session/reload_check.h"
#include "session/session.h"
#include "text/message_text.h"

namespace oza {

namespace {

const char* const kImageWriteFailed =
    "Error writing BIOS to file. Maybe file system error (HD full/write protected)? - Debug information: "
    "'WriteBIOSToFile(sFile)' reported error.";

// Shows why the save stopped; the save then writes nothing.
bool refuse(Platform& platform, const std::string& text) {
  platform.message(text, MessageIcon::Information);
  return false;
}

}  // namespace

std::string saveBiosDialog(Session& session) {
  FileDialogRequest request;
  request.title = "Save BIOS file...";
  request.filters = {{"BIOS files (*.rom)", "*.rom"}, {"All Files (*.*)", "*.*"}};
  request.defaultName = session.form().clock.defaultFileName();
  return session.platform().saveFileDialog(request);
}

bool saveBiosFile(Session& session) {
  Platform& platform = session.platform();
  MainForm& form = session.form();
  const LoadedImage* loaded = session.image();
  // The state list is shown afresh, as a save always did.
  form.clock.showStates(loaded ? loaded->states() : PowerPlayStates{});
  if (!loaded) return refuse(platform, clockWriteMessage(ClockWriteError::RecordsNotFound));
  // Every save patches a fresh copy of the loaded bytes: a refused save
  // leaves nothing behind, and the same edits always give the same file.
  ByteImage image = loaded->bytes;

  if (const auto written = writeClockSettings(image, loaded->clockLocation, form.clock.changedSettings()); !written)
    return refuse(platform, clockWriteMessage(written.error()));
  // A fan tab that is not enabled (the load could not read it) writes nothing.
  if (form.fanTabButton.enabled()) {
    const FanLocation& location = loaded->fan.location;
    if (const auto written = writeFanSettings(image, location, form.fan.changedSettings(location)); !written)
      return refuse(platform, fanWriteMessage(written.error()));
  }
  const InfoChanges infoChanges = form.info.changedSettings(loaded->strings, loaded->cardId);
  if (const auto unencodable = unencodableReason(infoChanges); unencodable && !infoChanges.tooLong)
    return refuse(platform, withReason(infoWriteMessage(InfoWriteError::Failed), *unencodable));
  if (const auto written = writeInfoSettings(image, loaded->strings, infoChanges); !written)
    return refuse(platform, infoWriteMessage(written.error()));

  const ChecksumCorrection correction = correctChecksum(image, loaded->checkSum);
  if (correction.failedStep) platform.message(correctionStepMessage(correction), MessageIcon::Information);
  if (correction.refusal) {
    const bool tooLarge = *correction.refusal == CorrectionRefusal::TooLargeDown ||
                          *correction.refusal == CorrectionRefusal::TooLargeUp;
    platform.message(correctionRefusalMessage(correction, form.info.preModified.checked()),
                     tooLarge ? MessageIcon::Error : MessageIcon::Information, MessageButtons::Ok,
                     tooLarge ? "Can't save." : kDefaultTitle);
    return false;
  }
  // Never a file that this program would refuse: the next load must find
  // what this save wrote.
  if (const auto problem = reloadProblem(*loaded, image, infoChanges))
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
