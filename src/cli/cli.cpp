#include "cli/cli.h"

#include <optional>

#include "card/rom_access.h"
#include "cli/card_commands.h"
#include "cli/cli_platform.h"
#include "cli/control_edits.h"
#include "cli/profile_commands.h"
#include "cli/session_json.h"
#include "cli/usage.h"
#include "cli/verify_commands.h"
#include "session/load_pipeline.h"
#include "session/save_pipeline.h"
#include "session/session.h"
#include "text/message_text.h"

namespace oza {

namespace {

struct Options {
  std::string command;
  std::optional<std::string> path;
  std::optional<std::string> out;
  bool force = false;
  MessageAnswer answer = MessageAnswer::No;
  std::vector<ControlEdit> edits;
};

class UsageError {
 public:
  explicit UsageError(std::string text) : text(std::move(text)) {}
  std::string text;
};

Options parse(const std::vector<std::string>& args) {
  if (args.empty()) throw UsageError("no command given");
  Options options;
  options.command = args[0];
  if (options.command != "dump" && options.command != "save")
    throw UsageError("unknown command '" + options.command + "'");
  const bool saving = options.command == "save";
  bool optionsEnded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto next = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError(arg + " needs a value");
      return args[++i];
    };
    if (optionsEnded || arg == "--" || arg.rfind("--", 0) != 0) {
      if (!optionsEnded && arg == "--") {
        optionsEnded = true;
      } else if (options.path) {
        throw UsageError("more than one file given");
      } else {
        options.path = arg;
      }
      continue;
    }
    auto edit = [&](ControlEdit::Kind kind) {
      ControlEdit parsed;
      if (!saving) throw UsageError(arg + " belongs to save");
      if (!parseEdit(kind, next(), parsed)) throw UsageError(arg + " needs NAME=VALUE");
      options.edits.push_back(parsed);
    };
    if (arg == "--answer") {
      const std::string& answer = next();
      if (answer != "yes" && answer != "no") throw UsageError("--answer needs yes or no");
      options.answer = answer == "yes" ? MessageAnswer::Yes : MessageAnswer::No;
    } else if (arg == "--out" && saving) {
      options.out = next();
      if (options.out->empty()) throw UsageError("--out needs a file name");
    } else if (arg == "--force" && saving) {
      options.force = true;
    } else if (arg == "--set") {
      edit(ControlEdit::Kind::Set);
    } else if (arg == "--check") {
      edit(ControlEdit::Kind::Check);
    } else if (arg == "--select") {
      edit(ControlEdit::Kind::Select);
    } else {
      throw UsageError("unknown option '" + arg + "'");
    }
  }
  if (!options.path) throw UsageError("no file given");
  if (options.path->empty()) throw UsageError("the file name is empty");
  if (saving && !options.out) throw UsageError("save needs --out FILE");
  return options;
}

// --help, --version and help COMMAND; -1 when the arguments ask for none of
// them.
int showHelp(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1 && args[0] == "--version") {
    out << "oza-cli " << runningVersionText() << "\n";
    return 0;
  }
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
    out << usageText();
    return 0;
  }
  if (args.empty() || args[0] != "help") return -1;
  const std::string text = args.size() == 2 ? commandHelp(args[1]) : std::string();
  if (text.empty()) {
    err << "oza-cli: help takes one command name\n" << usageText();
    return 2;
  }
  out << text;
  return 0;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (const int helped = showHelp(args, out, err); helped >= 0) return helped;
  if (!args.empty() && isProfileCommand(args[0])) return runProfileCommand(args, out, err);
  if (!args.empty() && isVerifyCommand(args[0])) return runVerifyCommand(args, out, err);
  if (!args.empty() && isCardCommand(args[0])) {
    SysfsRomAccess access;
    return runCardCommand(args, access, out, err);
  }
  Options options;
  try {
    options = parse(args);
  } catch (const UsageError& error) {
    err << "oza-cli: " << escapeControls(error.text) << "\n" << usageText();
    return 2;
  }
  CliPlatform platform(options.answer, options.force);
  Session session(platform);
  session.start();
  bool done = loadBiosFile(session, *options.path);
  if (done && options.command == "save") {
    const std::vector<Control*> controls = session.controls();
    for (const ControlEdit& edit : options.edits) {
      const std::string problem = applyEdit(controls, edit);
      if (!problem.empty()) {
        err << "oza-cli: " << escapeControls(problem) << "\n";
        return 2;
      }
    }
    platform.queueSavePath(*options.out);
    done = saveBiosFile(session);
  }
  out << sessionJson(session, platform) << "\n";
  return done ? 0 : 1;
}

}  // namespace oza
