// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/decimal_comma.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace oza::test {

namespace {

bool commaLocale() {
  const char* name = std::setlocale(LC_ALL, "de_DE.UTF-8");
  return name && std::strcmp(std::localeconv()->decimal_point, ",") == 0;
}

}  // namespace

DecimalCommaLocale::DecimalCommaLocale() {
  if (commaLocale()) {
    active_ = true;
    return;
  }
  // localedef writes the locale where LOCPATH then finds it.
  folder_ = (std::filesystem::temp_directory_path() / ("oza-locale-" + std::to_string(::getpid()))).string();
  std::filesystem::create_directories(folder_);
  const std::string command = "localedef -i de_DE -f UTF-8 -c '" + folder_ + "/de_DE.UTF-8' >/dev/null 2>&1";
  if (std::system(command.c_str()) == 0 || std::filesystem::exists(folder_ + "/de_DE.UTF-8")) {
    ::setenv("LOCPATH", folder_.c_str(), 1);
    active_ = commaLocale();
  }
}

DecimalCommaLocale::~DecimalCommaLocale() {
  std::setlocale(LC_ALL, "C");
  if (!folder_.empty()) {
    ::unsetenv("LOCPATH");
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
}

}  // namespace oza::test
