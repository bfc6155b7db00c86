// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace oza::test {

// Switches the C library to a locale whose decimal separator is a comma, as
// QApplication does from the environment (de_DE.UTF-8, generated into a
// temporary folder where the system has not got it); back to "C" on
// destruction. active() says whether the switch worked.
class DecimalCommaLocale {
 public:
  DecimalCommaLocale();
  ~DecimalCommaLocale();
  DecimalCommaLocale(const DecimalCommaLocale&) = delete;
  DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;
  bool active() const { return active_; }

 private:
  bool active_ = false;
  std::string folder_;
};

}  // namespace oza::test
