// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "keys/value_keys.h"
#include "verify/image_file.h"

namespace oza {

enum class CheckOutcome { Passed, Warning, Error, NotRun };

// One rule of the check and what it found.
struct CheckItem {
  std::string name;
  CheckOutcome outcome = CheckOutcome::Passed;
  std::string detail;
  std::string key;  // the rule's name for scripts ("file_length"), the same from one version to the next
  // The values the rule looked at or found wrong, typed, under their keys.
  std::vector<std::pair<std::string, KeyValue>> values;
};

struct CheckReport {
  std::string path;
  std::string against;  // empty without an original
  std::vector<CheckItem> items;

  int count(CheckOutcome outcome) const;
  // 1 with an error, or with a warning when `strict`; else 0.
  int exitCode(bool strict) const;
};

// Whether an image is sound to flash: every rule with its outcome, those
// that could not run included. With `original` the image is also held
// against the card's original.
CheckReport checkImage(const ImageFile& image, const ImageFile* original);

const char* outcomeName(CheckOutcome outcome);  // "ok", "warning", "error", "not run"

// "2 errors, 1 warning".
std::string checkSummary(const CheckReport& report);

// The report as text: one line per rule and a closing summary.
std::string checkText(const CheckReport& report);

}  // namespace oza
