// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/image_check.h"

#include <algorithm>

#include "text/message_text.h"
#include "verify/check_rules.h"

namespace oza {

int CheckReport::count(CheckOutcome outcome) const {
  return static_cast<int>(
      std::count_if(items.begin(), items.end(), [outcome](const CheckItem& i) { return i.outcome == outcome; }));
}

int CheckReport::exitCode(bool strict) const {
  if (count(CheckOutcome::Error) > 0) return 1;
  return strict && count(CheckOutcome::Warning) > 0 ? 1 : 0;
}

CheckReport checkImage(const ImageFile& image, const ImageFile* original) {
  CheckReport report;
  report.path = image.path;
  if (original) report.against = original->path;
  for (const CheckRule& rule : checkRules()) {
    if (rule.needsOriginal && !original) continue;
    Finding found;
    rule.check(image, original, found);
    report.items.push_back({rule.name, found.outcome, std::move(found.detail), rule.key, std::move(found.values)});
  }
  return report;
}

const char* outcomeName(CheckOutcome outcome) {
  switch (outcome) {
    case CheckOutcome::Passed: return "ok";
    case CheckOutcome::Warning: return "warning";
    case CheckOutcome::Error: return "error";
    case CheckOutcome::NotRun: break;
  }
  return "not run";
}

std::string checkText(const CheckReport& report) {
  // Names and strings come from files: a terminal must not take them for commands.
  std::string text = "Check of " + escapeControls(report.path) + "\n";
  if (!report.against.empty()) text += "against " + escapeControls(report.against) + "\n";
  for (const CheckItem& item : report.items) {
    std::string outcome = outcomeName(item.outcome);
    outcome.resize(9, ' ');
    text += outcome + item.name + ": " + escapeControls(item.detail) + "\n";
  }
  return text + checkSummary(report) + "\n";
}

std::string checkSummary(const CheckReport& report) {
  const int errors = report.count(CheckOutcome::Error);
  const int warnings = report.count(CheckOutcome::Warning);
  return std::to_string(errors) + (errors == 1 ? " error, " : " errors, ") + std::to_string(warnings) +
         (warnings == 1 ? " warning" : " warnings");
}

}  // namespace oza
