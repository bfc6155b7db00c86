// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/loaded_image.h"
#include "image/byte_image.h"

namespace oza {

// An image file taken as the load of the window takes it, without a window:
// read, decoded, and what the load said. A load that fails keeps the bytes
// it read, if any, for the checks that need none of the decoded values.
struct ImageFile {
  std::string path;
  std::optional<ByteImage> bytes;    // what was read, when the file could be read
  std::optional<LoadedImage> image;  // when it loaded to the end
  std::string failure;               // the message of a load that failed
  std::vector<std::string> said;     // the messages a load that went on showed

  bool loaded() const { return image.has_value(); }
};

ImageFile loadImageFile(const std::string& path);
// The same for bytes already read from `path`.
ImageFile decodeImageFile(const std::string& path, ByteImage bytes);

}  // namespace oza
