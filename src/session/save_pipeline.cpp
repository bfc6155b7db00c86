// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/save_pipeline.h"

#include "document/image_decoding.h"
#include "files/file_io.h"
#include "platform/replace_question.h"
#include "session/save_review.h"
#include "session/session.h"

namespace oza {

namespace {

const char* const kImageWriteFailed =
    "Error writing BIOS to file. Maybe file system error (HD full/write protected)? - Debug information: "
    "'WriteBIOSToFile(sFile)' reported error.";

WriteMessage imageWriteFailed() { return {kImageWriteFailed, MessageIcon::Information, kDefaultTitle, true}; }

}  // namespace

bool saveTargetAccepted(Session& session, const std::string& path) {
  return askBeforeReplacing(session.platform(), path, imageWriteFailed());
}

std::string saveBiosDialog(Session& session) {
  FileDialogRequest request;
  request.title = "Save BIOS file...";
  request.filters = {{"BIOS files (*.rom)", "*.rom"}, {"All Files (*.*)", "*.*"}};
  request.defaultName = session.form().clock.defaultFileName();
  request.startFolder = session.dialogFolder();
  const std::string path = session.platform().saveFileDialog(request);
  session.rememberDialogPath(path);
  return path;
}

bool saveBiosFile(Session& session) {
  Platform& platform = session.platform();
  std::optional<PendingSave> pending = prepareSave(session);
  if (!pending) return false;
  if (!platform.confirmSave(reviewOf(*pending))) return false;

  const std::string path = saveBiosDialog(session);
  if (path.empty()) return false;
  const WriteMessage failed = imageWriteFailed();
  if (!askBeforeReplacing(platform, path, failed)) return false;
  if (const WriteResult written = writeImageFile(path, pending->bytes, platform.fileWrites); !written) {
    showWriteFailure(platform, written.error(), failed);
    return false;
  }
  platform.showStatus("Saved " + path);
  // From now on the window shows the saved file, as if it had been loaded:
  // the next save compares with it.
  if (pending->saved.image) {
    LoadedImage saved = std::move(*pending->saved.image);
    saved.path = path;
    session.show(std::move(saved));
  }
  return true;
}

}  // namespace oza
