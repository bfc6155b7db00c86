#include "files/file_io.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace oza {

namespace fs = std::filesystem;

bool readWholeFile(const std::string& path, std::string& bytes) {
  std::error_code error;
  if (fs::is_directory(path, error)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  bytes = std::move(content);
  return true;
}

bool readBiosFile(const std::string& path, ByteImage& image) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return false;
  const auto length = fs::file_size(path, error);
  if (error || length == 0 || length > static_cast<std::uintmax_t>(kLargestImageFile)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::vector<std::uint8_t> bytes(length);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(length));
  if (in.gcount() != static_cast<std::streamsize>(length)) return false;
  image = ByteImage(std::move(bytes));
  return true;
}

WriteOutcome writeImageFile(const std::string& path, const ByteImage& image, const FileWriteSeams& seams) {
  const auto& bytes = image.bytes();
  return replaceFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), seams);
}

bool writeBiosFile(const std::string& path, const ByteImage& image) {
  return writeImageFile(path, image) == WriteOutcome::Written;
}

bool fileExists(const std::string& path) {
  std::error_code error;
  const auto status = fs::status(path, error);
  return !error && fs::exists(status) && !fs::is_directory(status);
}

bool deleteFile(const std::string& path) {
  std::error_code error;
  return fs::remove(path, error) && !error;
}

bool canReplaceFile(const std::string& path) {
  std::error_code error;
  const auto status = fs::status(path, error);
  if (error || fs::is_directory(status)) return false;
  return (status.permissions() & fs::perms::owner_write) != fs::perms::none;
}

bool writeFileReplacing(const std::string& path, const std::string& bytes, const FileWriteSeams& seams) {
  return replaceFile(path, bytes, seams) == WriteOutcome::Written;
}

}  // namespace oza
