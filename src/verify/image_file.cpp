// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/image_file.h"

#include "document/image_decoding.h"
#include "document/load_messages.h"
#include "files/file_io.h"
#include "text/message_text.h"

namespace oza {

ImageFile loadImageFile(const std::string& path) {
  ImageFile file;
  file.path = path;
  // An empty path would open the dialog; say so instead.
  if (path.empty()) {
    file.failure = "No file given.";
    return file;
  }
  auto read = readBiosFile(path);
  if (!read) {
    file.failure = withReason(readFailureMessage(read.error()), readFailureText(read.error()));
    return file;
  }
  return decodeImageFile(path, std::move(*read));
}

ImageFile decodeImageFile(const std::string& path, ByteImage bytes) {
  ImageFile file;
  file.path = path;
  file.bytes = bytes;
  auto decoded = decodeImage(path, std::move(bytes));
  const std::vector<LoadNotice>& notices = decoded ? decoded->notices : decoded.error().notices;
  for (const LoadNotice notice : notices) file.said.push_back(loadNoticeMessage(notice));
  if (!decoded) {
    file.failure = loadErrorMessage(decoded.error().error);
    return file;
  }
  if (decoded->mayBeCutShort()) file.said.push_back(kGddr5Question);
  file.image = std::move(*decoded);
  return file;
}

}  // namespace oza
