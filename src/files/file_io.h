#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/byte_image.h"
#include "files/file_replacing.h"

namespace oza {

inline constexpr std::int64_t kLargestImageFile = 1000000;

// Reads the whole file into `image`. False for a missing, unreadable, empty or
// over-long (more than 1,000,000 bytes) file; `image` is then left as it was.
bool readBiosFile(const std::string& path, ByteImage& image);

// Writes exactly the image's bytes to `path` through replaceFile: an existing
// file (or the file a link names) is replaced only once every byte is on
// storage. False on any failure; the target is then as it was and no
// temporary file is left behind.
bool writeBiosFile(const std::string& path, const ByteImage& image);
// The same, telling a target that may not be replaced from other failures.
WriteOutcome writeImageFile(const std::string& path, const ByteImage& image, const FileWriteSeams& seams = {});

// True for a path whose attributes can be read and that is no directory.
bool fileExists(const std::string& path);
bool deleteFile(const std::string& path);

// Whether an existing file may be replaced: not write-protected.
bool canReplaceFile(const std::string& path);

// replaceFile, true when the file was written.
bool writeFileReplacing(const std::string& path, const std::string& bytes, const FileWriteSeams& seams = {});

// Reads a whole file; false when it cannot be read.
bool readWholeFile(const std::string& path, std::string& bytes);

}  // namespace oza
