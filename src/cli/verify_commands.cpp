// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/verify_commands.h"

#include "cli/verify_json.h"
#include "text/message_text.h"
#include "verify/image_check.h"
#include "verify/image_diff.h"
#include "verify/image_file.h"

namespace oza {

int runCheck(const ParsedCommand& command, CliContext& context) {
  const ImageFile image = loadImageFile(command.positionals[0]);
  std::optional<ImageFile> original;
  if (const auto against = command.value("--against")) original = loadImageFile(*against);
  const CheckReport report = checkImage(image, original ? &*original : nullptr);
  context.out << (command.value("--format") == "json" ? checkJson(report) + "\n" : checkText(report));
  return report.exitCode(command.has("--strict"));
}

int runDiff(const ParsedCommand& command, CliContext& context) {
  const ImageFile a = loadImageFile(command.positionals[0]);
  const ImageFile b = loadImageFile(command.positionals[1]);
  for (const ImageFile* image : {&a, &b})
    if (!image->loaded()) {
      context.err << "oza-cli: " << escapeControls(image->path) << " does not load: " << escapeControls(image->failure)
                  << "\n";
      return 2;
    }
  const std::vector<Difference> differences = diffImages(*a.image, *b.image);
  context.out << (command.value("--format") == "json" ? diffJson(a.path, b.path, differences) + "\n"
                                                      : differencesText(a.path, b.path, differences));
  return differences.empty() ? 0 : 1;
}

}  // namespace oza
