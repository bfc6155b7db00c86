#include "cli/cli.h"

#include "cli/session_json.h"
#include "platform/scripted_platform.h"
#include "session/load_pipeline.h"
#include "session/session.h"

namespace oza {

namespace {

const char* const kUsage =
    "usage: oza-cli dump IMAGE [--answer yes|no]\n";

struct Options {
  std::string command;
  std::string path;
  MessageAnswer answer = MessageAnswer::No;
};

bool parse(const std::vector<std::string>& args, Options& options, std::string& problem) {
  if (args.empty()) {
    problem = "no command given";
    return false;
  }
  options.command = args[0];
  if (options.command != "dump") {
    problem = "unknown command '" + options.command + "'";
    return false;
  }
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--answer") {
      if (i + 1 >= args.size()) {
        problem = "--answer needs yes or no";
        return false;
      }
      const std::string& answer = args[++i];
      if (answer != "yes" && answer != "no") {
        problem = "--answer needs yes or no";
        return false;
      }
      options.answer = answer == "yes" ? MessageAnswer::Yes : MessageAnswer::No;
    } else if (!arg.empty() && arg.rfind("--", 0) == 0) {
      problem = "unknown option '" + arg + "'";
      return false;
    } else if (options.path.empty()) {
      options.path = arg;
    } else {
      problem = "more than one file given";
      return false;
    }
  }
  if (options.path.empty()) {
    problem = "no file given";
    return false;
  }
  return true;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options options;
  std::string problem;
  if (!parse(args, options, problem)) {
    err << "oza-cli: " << problem << "\n" << kUsage;
    return 2;
  }
  ScriptedPlatform platform;
  platform.defaultAnswer = options.answer;
  Session session(platform);
  session.start();
  const bool loaded = LoadBIOSFile(session, options.path);
  out << sessionJson(session, platform) << "\n";
  return loaded ? 0 : 1;
}

}  // namespace oza
