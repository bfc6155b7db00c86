// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace oza::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::random_device random;
  const fs::path base = fs::temp_directory_path();
  for (;;) {
    fs::path candidate = base / ("oza-test-" + std::to_string(random()));
    if (fs::create_directory(candidate)) {
      path_ = candidate.string();
      break;
    }
  }
}

TempDir::~TempDir() {
  std::error_code error;
  // Restore write access that a test may have taken away, then remove all.
  for (auto& entry : fs::recursive_directory_iterator(path_, error))
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, error);
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
  fs::remove_all(path_, error);
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void writeText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> listDir(const std::string& path) {
  std::vector<std::string> names;
  for (auto& entry : fs::directory_iterator(path)) names.push_back(entry.path().filename().string());
  return names;
}

}  // namespace oza::test
