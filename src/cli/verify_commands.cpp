#include "cli/verify_commands.h"

#include "cli/usage.h"
#include "cli/verify_json.h"
#include "text/message_text.h"
#include "verify/image_check.h"
#include "verify/image_diff.h"
#include "verify/image_file.h"

namespace oza {

namespace {

struct VerifyOptions {
  std::vector<std::string> paths;
  std::string against;
  bool json = false;
  bool strict = false;
};

// What is wrong with the command line, or empty text.
std::string parse(const std::vector<std::string>& args, VerifyOptions& options) {
  const bool checking = args[0] == "check";
  bool optionsEnded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::string& target) -> std::string {
      if (i + 1 >= args.size()) return arg + " needs a value";
      target = args[++i];
      return {};
    };
    std::string problem;
    if (optionsEnded || arg.rfind("--", 0) != 0) {
      if (arg.empty()) return "a file name is empty";
      options.paths.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--format") {
      std::string format;
      problem = value(format);
      if (problem.empty() && format != "json" && format != "text") problem = "--format needs json or text";
      options.json = format == "json";
    } else if (arg == "--against" && checking) {
      problem = value(options.against);
      if (problem.empty() && options.against.empty()) problem = "--against needs a file name";
    } else if (arg == "--strict" && checking) {
      options.strict = true;
    } else {
      problem = "unknown option '" + arg + "'";
    }
    if (!problem.empty()) return problem;
  }
  const std::size_t wanted = checking ? 1 : 2;
  if (options.paths.size() < wanted) return checking ? "no file given" : "diff needs two files";
  if (options.paths.size() > wanted) return "more files given than " + args[0] + " takes";
  return {};
}

int runCheck(const VerifyOptions& options, std::ostream& out) {
  const ImageFile image = loadImageFile(options.paths[0]);
  std::optional<ImageFile> original;
  if (!options.against.empty()) original = loadImageFile(options.against);
  const CheckReport report = checkImage(image, original ? &*original : nullptr);
  out << (options.json ? checkJson(report) + "\n" : checkText(report));
  return report.exitCode(options.strict);
}

int runDiff(const VerifyOptions& options, std::ostream& out, std::ostream& err) {
  const ImageFile a = loadImageFile(options.paths[0]);
  const ImageFile b = loadImageFile(options.paths[1]);
  for (const ImageFile* image : {&a, &b})
    if (!image->loaded()) {
      err << "oza-cli: " << escapeControls(image->path) << " does not load: " << escapeControls(image->failure) << "\n";
      return 2;
    }
  const std::vector<Difference> differences = diffImages(*a.image, *b.image);
  out << (options.json ? diffJson(a.path, b.path, differences) + "\n" : differencesText(a.path, b.path, differences));
  return differences.empty() ? 0 : 1;
}

}  // namespace

bool isVerifyCommand(const std::string& command) { return command == "check" || command == "diff"; }

int runVerifyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  VerifyOptions options;
  const std::string problem = parse(args, options);
  if (!problem.empty()) {
    err << "oza-cli: " << escapeControls(problem) << "\n" << commandHelp(args[0]);
    return 2;
  }
  return args[0] == "check" ? runCheck(options, out) : runDiff(options, out, err);
}

}  // namespace oza
