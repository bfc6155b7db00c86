// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/platform.h"

#include <filesystem>
#include <system_error>

namespace oza {

std::string Platform::tempDirectory() {
  std::error_code error;
  const auto folder = std::filesystem::temp_directory_path(error);
  return error ? std::string() : folder.string();
}

}  // namespace oza
