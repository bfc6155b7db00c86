// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/file_io.h"

#include <filesystem>
#include <system_error>

namespace oza {

namespace fs = std::filesystem;

std::expected<ByteImage, ReadFailure> readBiosFile(const std::string& path) {
  auto bytes = readRegularBytes(path, {static_cast<std::uintmax_t>(kLargestImageFile), false});
  if (!bytes) return std::unexpected(bytes.error());
  return ByteImage(std::move(*bytes));
}

WriteResult writeImageFile(const std::string& path, const ByteImage& image, const FileWriteSeams& seams) {
  const auto& bytes = image.bytes();
  return replaceFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), seams);
}

bool canReplaceFile(const std::string& path) {
  std::error_code error;
  const auto status = fs::status(path, error);
  if (error || fs::is_directory(status)) return false;
  return (status.permissions() & fs::perms::owner_write) != fs::perms::none;
}

}  // namespace oza
