// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/image_commands.h"

#include "cli/cli_edits.h"
#include "cli/cli_platform.h"
#include "cli/session_json.h"
#include "cli/verify_json.h"
#include "session/save_review.h"
#include "session/load_pipeline.h"
#include "session/save_pipeline.h"
#include "session/session.h"
#include "text/message_text.h"

namespace oza {

namespace {

MessageAnswer answerOf(const ParsedCommand& command) {
  return command.value("--answer") == "yes" ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace

int printDryRun(const ParsedCommand& command, Session& session, const ScriptedPlatform& platform, CliContext& context) {
  const std::optional<PendingSave> pending = previewSave(session);
  // The target too is examined as the save would examine it.
  const std::optional<std::string> out = command.value("--out");
  const bool accepted = pending && (!out || saveTargetAccepted(session, *out));
  context.out << dryRunJson(command.positionals[0], platform.messages, pending ? &*pending : nullptr) << "\n";
  return accepted ? 0 : 1;
}

int runDump(const ParsedCommand& command, CliContext& context) {
  CliPlatform platform(answerOf(command), false);
  Session session(platform);
  session.start();
  const bool done = loadBiosFile(session, command.positionals[0]);
  context.out << sessionJson(session, platform) << "\n";
  return done ? 0 : 1;
}

int runSave(const ParsedCommand& command, CliContext& context) {
  const auto edits = controlEditsOf(command);
  if (!edits) return usageError(command, context, edits.error());
  CliPlatform platform(answerOf(command), command.has("--force"));
  Session session(platform);
  session.start();
  bool done = loadBiosFile(session, command.positionals[0]);
  if (done) {
    if (const auto applied = applyEdits(session.controls(), *edits); !applied)
      return usageError(command, context, applied.error());
    if (command.has("--dry-run")) return printDryRun(command, session, platform, context);
    platform.queueSavePath(*command.value("--out"));
    done = saveBiosFile(session);
  }
  context.out << sessionJson(session, platform) << "\n";
  return done ? 0 : 1;
}

}  // namespace oza
