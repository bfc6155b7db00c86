// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <expected>
#include <string>
#include <vector>

#include "files/file_reading.h"
#include "files/file_replacing.h"
#include "image/byte_image.h"

namespace oza {

inline constexpr std::int64_t kLargestImageFile = 1000000;

// Reads a whole image file: a regular file of 1 to 1,000,000 bytes.
std::expected<ByteImage, ReadFailure> readBiosFile(const std::string& path);

// Writes exactly the image's bytes to `path` through replaceFile: an existing
// file (or the file a link names) is replaced only once every byte is on
// storage. On any failure the target is as it was and no temporary file is
// left behind.
WriteResult writeImageFile(const std::string& path, const ByteImage& image, const FileWriteSeams& seams = {});

// Whether an existing file may be replaced: not write-protected.
bool canReplaceFile(const std::string& path);

}  // namespace oza
