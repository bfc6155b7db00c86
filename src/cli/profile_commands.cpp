// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/profile_commands.h"

#include <algorithm>

#include "cli/cli_platform.h"
#include "controls/control_edits.h"
#include "cli/control_json.h"
#include "cli/cli_edits.h"
#include "cli/json_text.h"
#include "platform/scripted_platform.h"
#include "profile_editor/profile_editor.h"
#include "profile_editor/profile_loading.h"
#include "profile_editor/profile_saving.h"
#include "text/message_text.h"

namespace oza {

namespace {

// An edit as the window allows it: not in a disabled frame either.
std::expected<void, std::string> applyProfileEdit(ProfileEditor& editor, const std::vector<Control*>& controls,
                                                  const ControlEdit& edit) {
  const auto found = std::find_if(controls.begin(), controls.end(), [&](Control* c) { return c->name() == edit.name; });
  if (found != controls.end()) {
    const Control* frame = editor.frameOf(**found);
    if (frame && !frame->enabled()) return std::unexpected("'" + edit.name + "' is disabled");
  }
  return applyEdit(controls, edit);
}

std::string profileJson(ProfileEditor& editor, const ScriptedPlatform& platform) {
  ControlsJson json(platform.messages);
  std::vector<Control*> list;
  editor.collect(list);
  for (const Control* control : list) json.add(control->name(), *control);
  return json.text();
}

}  // namespace

int runProfileDump(const ParsedCommand& command, CliContext& context) {
  CliPlatform platform(MessageAnswer::No, false);
  ProfileEditor editor(platform);
  std::string path = command.positionals[0];
  const bool done = loadProfile(editor, path);
  context.out << profileJson(editor, platform) << "\n";
  return done ? 0 : 1;
}

int runProfileSave(const ParsedCommand& command, CliContext& context) {
  const auto edits = controlEditsOf(command);
  if (!edits) return usageError(command, context, edits.error());
  CliPlatform platform(MessageAnswer::No, command.has("--force"));
  ProfileEditor editor(platform);
  std::string path = command.positionals[0];
  bool done = loadProfile(editor, path);
  if (done) {
    std::vector<Control*> controls;
    editor.collect(controls);
    for (const ControlEdit& edit : *edits) {
      if (const auto applied = applyProfileEdit(editor, controls, edit); !applied)
        return usageError(command, context, applied.error());
    }
    platform.queueSavePath(*command.value("--out"));
    done = saveProfile(editor);
  }
  context.out << profileJson(editor, platform) << "\n";
  return done ? 0 : 1;
}

}  // namespace oza
