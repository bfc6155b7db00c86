// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/loaded_image.h"
#include "document/shown_values.h"
#include "keys/value_keys.h"
#include "verify/image_check.h"
#include "verify/image_file.h"

namespace oza {

// What one rule found. It starts as not run, so that a rule that returns
// without a verdict never reads as passed.
struct Finding {
  CheckOutcome outcome = CheckOutcome::NotRun;
  std::string detail;
  std::vector<std::pair<std::string, KeyValue>> values;

  // A value the rule looked at or found wrong.
  void note(const std::string& key, KeyValue value) { values.emplace_back(key, std::move(value)); }
  void passed(std::string why) { set(CheckOutcome::Passed, std::move(why)); }
  void warning(std::string why) { set(CheckOutcome::Warning, std::move(why)); }
  void error(std::string why) { set(CheckOutcome::Error, std::move(why)); }
  void notRun(std::string why) { set(CheckOutcome::NotRun, std::move(why)); }
  // Passed with `ok` when `problems` is empty, else `failed` listing them.
  void judge(CheckOutcome failed, const std::vector<std::string>& problems, std::string ok);

 private:
  void set(CheckOutcome to, std::string why) {
    outcome = to;
    detail = std::move(why);
  }
};

// `original` is given to the rules that need one, and only to them.
using RuleFunction = void (*)(const ImageFile& image, const ImageFile* original, Finding& found);

struct CheckRule {
  const char* key;   // for scripts; the same from one version to the next
  const char* name;  // as the report shows it
  bool needsOriginal;
  RuleFunction check;
};

inline constexpr std::int64_t k64k = 65536;
inline constexpr std::int64_t k128k = 131072;
inline constexpr const char* kNotLoaded = "the image did not load";

// A clock info as the clock tab shows it, in numbers.
struct ClockValues {
  int block = 0;
  double gpu = 0, ram = 0;     // MHz
  std::optional<double> volt;  // V; none where the field holds no voltage ("---")
};
std::vector<ClockValues> clockValues(const LoadedImage& image);

std::string byteCount(std::int64_t n);  // "65536 bytes"
std::string mhzText(double value);      // "742.5 MHz"
std::string blockName(int i);           // "clock info 3"

}  // namespace oza
