#include "cli/profile_commands.h"

#include <algorithm>

#include "cli/cli_platform.h"
#include "cli/control_edits.h"
#include "cli/control_json.h"
#include "cli/usage.h"
#include "platform/scripted_platform.h"
#include "profile_editor/profile_editor.h"
#include "profile_editor/profile_loading.h"
#include "profile_editor/profile_saving.h"
#include "text/message_text.h"

namespace oza {

namespace {

struct ProfileOptions {
  bool saving = false;
  std::string path;
  std::string out;
  bool force = false;
  std::vector<ControlEdit> edits;
};

// What is wrong with the command line, or empty text.
std::string parse(const std::vector<std::string>& args, ProfileOptions& options) {
  options.saving = args[0] == "profile-save";
  bool optionsEnded = false;
  bool outGiven = false;
  bool pathGiven = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
      continue;
    }
    const bool option = !optionsEnded && arg.rfind("--", 0) == 0;
    const bool savingOption = option && (arg == "--out" || arg == "--force" || arg == "--set" || arg == "--select");
    if (savingOption && !options.saving) return arg + " belongs to profile-save";
    if (savingOption && arg == "--force") {
      options.force = true;
    } else if (savingOption) {
      if (i + 1 >= args.size()) return arg + " needs a value";
      const std::string& value = args[++i];
      if (arg == "--out") {
        if (value.empty()) return "--out needs a file name";
        options.out = value;
        outGiven = true;
        continue;
      }
      ControlEdit edit;
      if (!parseEdit(arg == "--set" ? ControlEdit::Kind::Set : ControlEdit::Kind::Select, value, edit))
        return arg + " needs NAME=VALUE";
      options.edits.push_back(edit);
    } else if (option) {
      return "unknown option '" + arg + "'";
    } else if (!pathGiven) {
      options.path = arg;
      pathGiven = true;
    } else {
      return "more than one file given";
    }
  }
  if (!pathGiven) return "no file given";
  if (options.path.empty()) return "the file name is empty";
  if (options.saving && !outGiven) return "profile-save needs --out OUT";
  return {};
}

// An edit as the window allows it: not in a disabled frame either.
std::string applyProfileEdit(ProfileEditor& editor, const std::vector<Control*>& controls, const ControlEdit& edit) {
  const auto found = std::find_if(controls.begin(), controls.end(), [&](Control* c) { return c->name() == edit.name; });
  if (found != controls.end()) {
    const Control* frame = editor.frameOf(**found);
    if (frame && !frame->enabled()) return "'" + edit.name + "' is disabled";
  }
  return applyEdit(controls, edit);
}

std::string profileJson(ProfileEditor& editor, const ScriptedPlatform& platform) {
  Json controls = Json::object();
  std::vector<Control*> list;
  editor.collect(list);
  for (const Control* control : list) controls[control->name()] = controlJson(*control);
  Json json = Json::object();
  json["messages"] = messagesJson(platform.messages);
  json["controls"] = std::move(controls);
  return jsonText(json);
}

}  // namespace

bool isProfileCommand(const std::string& command) {
  return command == "profile-dump" || command == "profile-save";
}

int runProfileCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ProfileOptions options;
  if (const std::string problem = parse(args, options); !problem.empty()) {
    err << "oza-cli: " << escapeControls(problem) << "\n" << commandHelp(args[0]);
    return 2;
  }
  CliPlatform platform(MessageAnswer::No, options.force);
  ProfileEditor editor(platform);
  std::string path = options.path;
  bool done = loadProfile(editor, path);
  if (done && options.saving) {
    std::vector<Control*> controls;
    editor.collect(controls);
    for (const ControlEdit& edit : options.edits) {
      const std::string problem = applyProfileEdit(editor, controls, edit);
      if (!problem.empty()) {
        err << "oza-cli: " << escapeControls(problem) << "\n";
        return 2;
      }
    }
    platform.queueSavePath(options.out);
    done = saveProfile(editor);
  }
  out << profileJson(editor, platform) << "\n";
  return done ? 0 : 1;
}

}  // namespace oza
