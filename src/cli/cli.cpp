#include "cli/cli.h"

#include "cli/control_edits.h"
#include "cli/profile_commands.h"
#include "cli/session_json.h"
#include "cli/verify_commands.h"
#include "platform/scripted_platform.h"
#include "session/load_pipeline.h"
#include "session/save_pipeline.h"
#include "session/session.h"

namespace oza {

namespace {

const char* const kUsage =
    "usage: oza-cli dump IMAGE [--answer yes|no]\n"
    "       oza-cli save IMAGE --out FILE [--set NAME=TEXT]... [--check NAME=0|1]\n"
    "                    [--select NAME=INDEX|TEXT] [--answer yes|no] [--force]\n";

struct Options {
  std::string command;
  std::string path;
  std::string out;
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
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto next = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError(arg + " needs a value");
      return args[++i];
    };
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
    } else if (arg == "--force" && saving) {
      options.force = true;
    } else if (arg == "--set") {
      edit(ControlEdit::Kind::Set);
    } else if (arg == "--check") {
      edit(ControlEdit::Kind::Check);
    } else if (arg == "--select") {
      edit(ControlEdit::Kind::Select);
    } else if (arg.rfind("--", 0) == 0) {
      throw UsageError("unknown option '" + arg + "'");
    } else if (options.path.empty()) {
      options.path = arg;
    } else {
      throw UsageError("more than one file given");
    }
  }
  if (options.path.empty()) throw UsageError("no file given");
  if (saving && options.out.empty()) throw UsageError("save needs --out FILE");
  return options;
}

// Questions are answered by --answer, the overwrite question by --force.
class CliPlatform : public ScriptedPlatform {
 public:
  explicit CliPlatform(const Options& options) : options_(options) { defaultAnswer = options.answer; }
  MessageAnswer showMessage(const Message& message) override {
    if (message.buttons == MessageButtons::YesNo && message.title == "File exists.")
      queueAnswer(options_.force ? MessageAnswer::Yes : MessageAnswer::No);
    return ScriptedPlatform::showMessage(message);
  }

 private:
  const Options& options_;
};

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (!args.empty() && isProfileCommand(args[0])) return runProfileCommand(args, out, err);
  if (!args.empty() && isVerifyCommand(args[0])) return runVerifyCommand(args, out, err);
  Options options;
  try {
    options = parse(args);
  } catch (const UsageError& error) {
    err << "oza-cli: " << error.text << "\n" << kUsage << kProfileUsage << kVerifyUsage;
    return 2;
  }
  CliPlatform platform(options);
  Session session(platform);
  session.start();
  bool done = LoadBIOSFile(session, options.path);
  if (done && options.command == "save") {
    const std::vector<Control*> controls = session.controls();
    for (const ControlEdit& edit : options.edits) {
      const std::string problem = applyEdit(controls, edit);
      if (!problem.empty()) {
        err << "oza-cli: " << problem << "\n";
        return 2;
      }
    }
    platform.queueSavePath(options.out);
    done = SaveBIOSFile(session);
  }
  out << sessionJson(session, platform) << "\n";
  return done ? 0 : 1;
}

}  // namespace oza
