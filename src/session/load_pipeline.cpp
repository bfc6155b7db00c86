// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/load_pipeline.h"

#include "document/image_decoding.h"
#include "document/load_messages.h"
#include "files/file_io.h"
#include "session/session.h"
#include "session/unsaved_edits.h"
#include "text/message_text.h"

namespace oza {

std::string openBiosDialog(Session& session) {
  FileDialogRequest request;
  request.title = "Open BIOS file...";
  request.filters = {{"BIOS files (*.rom; *.bin)", "*.rom; *.bin"}, {"All Files (*.*)", "*.*"}};
  request.startFolder = session.dialogFolder();
  const std::string path = session.platform().openFileDialog(request);
  session.rememberDialogPath(path);
  return path;
}

bool loadBiosFile(Session& session, std::string path) {
  if (!settleUnsavedEdits(session)) return false;
  if (path.empty()) {
    path = openBiosDialog(session);
    if (path.empty()) return false;
  }
  return loadBiosPath(session, path);
}

bool loadBiosPath(Session& session, const std::string& path) {
  Platform& platform = session.platform();
  auto read = readBiosFile(path);
  if (!read) {
    platform.message(withReason(readFailureMessage(read.error()), readFailureText(read.error())),
                     cannotOpen(read.error()) ? MessageIcon::Critical : MessageIcon::Information);
    return false;
  }
  return loadBiosImage(session, path, std::move(*read));
}

bool loadBiosImage(Session& session, const std::string& path, ByteImage image) {
  Platform& platform = session.platform();
  auto decoded = decodeImage(path, std::move(image));
  const std::vector<LoadNotice>& notices = decoded ? decoded->notices : decoded.error().notices;
  for (const LoadNotice notice : notices) platform.message(loadNoticeMessage(notice), MessageIcon::Information);
  if (!decoded) {
    platform.message(loadErrorMessage(decoded.error().error), MessageIcon::Information);
    return false;
  }
  session.show(std::move(*decoded));
  showGddr5SizeWarning(session);
  return true;
}

void showGddr5SizeWarning(Session& session) {
  if (!session.image() || !session.image()->mayBeCutShort()) return;
  const MessageAnswer answer =
      session.platform().message(kGddr5Question, MessageIcon::None, MessageButtons::YesNo, "Warning!");
  if (answer != MessageAnswer::Yes) return;
  session.textWindow().show(
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

}  // namespace oza
