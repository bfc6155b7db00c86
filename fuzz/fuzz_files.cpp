// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz_files.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace oza::fuzz {

std::string scratchPath(const std::string& name) {
  std::error_code error;
  const std::filesystem::path memory = "/dev/shm";
  const auto folder = std::filesystem::is_directory(memory, error) ? memory : std::filesystem::temp_directory_path();
  return (folder / ("oza-fuzz-" + std::to_string(getpid()) + "-" + name)).string();
}

void writeScratch(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void violated(const char* what) {
  std::fprintf(stderr, "invariant violated: %s\n", what);
  std::abort();
}

}  // namespace oza::fuzz
