// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/command_table.h"

#include <algorithm>
#include <new>

#include "cli/card_commands.h"
#include "cli/image_commands.h"
#include "cli/key_commands.h"
#include "cli/profile_commands.h"
#include "cli/table_commands.h"
#include "cli/verify_commands.h"
#include "session/session.h"
#include "text/message_text.h"

namespace oza {

namespace {

int runHelp(const ParsedCommand& command, CliContext& context) {
  if (command.positionals.empty()) {
    context.out << usageText();
    return 0;
  }
  const CommandEntry* entry = findCommand(command.positionals[0]);
  if (!entry) {
    context.err << "oza-cli: no command named '" << escapeControls(command.positionals[0]) << "'\n" << usageText();
    return 2;
  }
  context.out << commandHelp(*entry);
  return 0;
}

const OptionEntry kAnswer{"--answer", "yes|no",      false,
                          false,      {"yes", "no"}, "answers the questions of the load (default no)"};
const OptionEntry kForce{"--force", "", false, false, {}, "answers the overwrite question with yes"};
const OptionEntry kDryRun{"--dry-run", "", false,
                          false,       {}, "prints what the save would change and the check of it, writes nothing"};
const OptionEntry kFormat{"--format", "json|text", false, false, {"json", "text"}, "the form of the report"};

OptionEntry out(const std::string& value) {
  return {"--out", value, true, false, {}, "the file to write (asked by the save dialog in the window)"};
}

std::vector<CommandEntry> buildTable() {
  return {
      {"dump",
       {{"IMAGE"}},
       {kAnswer},
       "Loads IMAGE exactly as the window does and prints its messages and controls as one JSON\n"
       "object, each control under its name string.",
       runDump},
      {"save",
       {{"IMAGE"}},
       {out("FILE"),
        {"--set", "NAME=TEXT", false, true, {}, "types TEXT into the box NAME"},
        {"--check", "NAME=0|1", false, true, {}, "clicks the check or option box NAME"},
        {"--select", "NAME=INDEX|TEXT", false, true, {}, "chooses an entry of the list NAME"},
        kAnswer,
        kForce,
        kDryRun},
       "Loads IMAGE, applies each edit in order as a user would make it, saves to FILE and prints\n"
       "the JSON after the save. With --dry-run: what the save would change, by meaning, and the\n"
       "check of the result against IMAGE; nothing is written.",
       runSave},
      {"get",
       {{"IMAGE"}, {"KEY|PREFIX", 0, -1}},
       {kFormat},
       "Prints the values of IMAGE under their keys, typed: numbers as numbers, none as null. With\n"
       "keys or prefixes (\"fan\", \"clock_info.3\") only those. JSON unless --format text, which\n"
       "prints \"key = value unit\" lines.",
       runGet},
      {"set",
       {{"IMAGE"}, {"KEY=VALUE", 0, -1}},
       {{"--edits", "FILE.json", false, false, {}, "more edits: a JSON object of key and value"},
        out("FILE"),
        kForce,
        kDryRun},
       "Makes each edit through its control as the window takes it (every change rule runs), saves\n"
       "to FILE and prints the values of the saved image as get does. An unknown key, a read-only\n"
       "key or a value outside its type is a usage error naming the key.",
       runSet},
      {"keys",
       {{"PREFIX", 0, 1}},
       {kFormat},
       "Lists the keys: key, unit, type and range, meaning and the control that shows it. Text\n"
       "unless --format json.",
       runKeys},
      {"profile-dump",
       {{"FILE"}},
       {},
       "Loads a Profiles.xml as the profile editor does and prints its controls.",
       runProfileDump},
      {"profile-save",
       {{"FILE"}},
       {out("OUT"),
        {"--set", "NAME=TEXT", false, true, {}, "types TEXT into the box NAME"},
        {"--select", "NAME=INDEX|TEXT", false, true, {}, "chooses an entry of the list NAME"},
        kForce},
       "Applies the edits to a Profiles.xml and writes OUT; only the edited values change.",
       runProfileSave},
      {"cards",
       {},
       {},
       "Lists the installed display devices of vendor 0x1002: PCI address, vendor and device ID,\n"
       "card name, whether this user may read their BIOS, the ROM window's size and whether it is\n"
       "the boot display.",
       runCards},
      {"read-card",
       {{"ADDR"}},
       {out("FILE"), kForce},
       "Reads the BIOS of the card at PCI address ADDR (needs root), writes it to FILE and prints\n"
       "the JSON of loading FILE. A copy shorter than the ROM window, or the boot display's copy\n"
       "in system memory, is partial: the JSON says \"complete\": false and a warning goes to\n"
       "standard error.",
       runReadCard},
      {"check",
       {{"IMAGE"}},
       {{"--against", "ORIGINAL", false, false, {}, "holds IMAGE against the card's original"},
        kFormat,
        {"--strict", "", false, false, {}, "exits 1 on a warning too"}},
       "Checks whether IMAGE is sound to flash and lists every check with its outcome. Exit 1 on\n"
       "an error (--strict: also on a warning), else 0.",
       runCheck},
      {"diff",
       {{"A"}, {"B"}},
       {kFormat},
       "Lists every difference between two images in the program's terms, then the bytes that\n"
       "differ outside every known field. Exit 0 when equal, 1 when they differ, 2 when one does\n"
       "not load.",
       runDiff},
      {"tables",
       {{"IMAGE"}},
       {kFormat},
       "Lists the data and command tables of IMAGE by the master tables: index, name, offset, size\n"
       "and revisions, for command tables the work space, parameter space and \"updated by\n"
       "utility\" flag; then what their layout says (a table past the image, two that overlap).\n"
       "JSON unless --format text. Read-only; the image need not load.",
       runTables},
      {"help", {{"COMMAND", 0, 1}}, {}, "Shows the usage, or what COMMAND does.", runHelp},
  };
}

const OptionEntry* findOption(const CommandEntry& entry, const std::string& name) {
  for (const OptionEntry& option : entry.options)
    if (option.name == name) return &option;
  return nullptr;
}

// The file a value names must have a name; a choice must be one of its choices.
std::optional<std::string> valueProblem(const OptionEntry& option, const std::string& value) {
  if (!option.choices.empty() && std::find(option.choices.begin(), option.choices.end(), value) == option.choices.end())
    return option.name + " needs " + option.value;
  if (value.empty())
    return option.name + " needs " +
           (option.value.find("FILE") != std::string::npos || option.value == "OUT" || option.value == "ORIGINAL"
                ? "a file name"
                : "a value");
  return std::nullopt;
}

}  // namespace

bool ParsedCommand::has(const std::string& option) const {
  return std::any_of(options.begin(), options.end(), [&](const auto& given) { return given.first == option; });
}

std::optional<std::string> ParsedCommand::value(const std::string& option) const {
  for (const auto& [name, value] : options)
    if (name == option) return value;
  return std::nullopt;
}

std::vector<std::string> ParsedCommand::values(const std::string& option) const {
  std::vector<std::string> all;
  for (const auto& [name, value] : options)
    if (name == option) all.push_back(value);
  return all;
}

const std::vector<CommandEntry>& commandTable() {
  static const std::vector<CommandEntry> table = buildTable();
  return table;
}

const CommandEntry* findCommand(const std::string& name) {
  for (const CommandEntry& entry : commandTable())
    if (entry.name == name) return &entry;
  return nullptr;
}

std::expected<ParsedCommand, std::string> parseCommand(const CommandEntry& entry,
                                                       const std::vector<std::string>& args) {
  const auto usage = [](std::string problem) { return std::unexpected(std::move(problem)); };
  ParsedCommand parsed;
  parsed.entry = &entry;
  bool optionsEnded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.rfind("--", 0) != 0) {
      parsed.positionals.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const OptionEntry* option = findOption(entry, name);
    if (!option) return usage("unknown option '" + name + "' for " + entry.name);
    if (!option->repeated && parsed.has(name)) return usage(name + " is given twice");
    std::string value;
    if (option->value.empty()) {
      if (equals != std::string::npos) return usage(name + " takes no value");
    } else if (equals != std::string::npos) {
      value = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      return usage(name + " needs " + option->value);
    }
    if (!option->value.empty())
      if (const auto problem = valueProblem(*option, value)) return usage(*problem);
    parsed.options.emplace_back(name, value);
  }
  for (const OptionEntry& option : entry.options)
    if (option.required && !parsed.has(option.name))
      return usage(entry.name + " needs " + option.name + " " + option.value);
  int least = 0, most = 0;
  for (const PositionalEntry& positional : entry.positionals) {
    least += positional.least;
    most = most < 0 || positional.most < 0 ? -1 : most + positional.most;
  }
  const auto given = static_cast<int>(parsed.positionals.size());
  if (given < least)
    return usage(
        entry.name + " needs " +
        entry.positionals[std::min<std::size_t>(parsed.positionals.size(), entry.positionals.size() - 1)].name);
  if (most >= 0 && given > most) return usage("more arguments than " + entry.name + " takes");
  for (const std::string& positional : parsed.positionals)
    if (positional.empty()) return usage("an argument of " + entry.name + " is empty");
  return parsed;
}

std::string synopsis(const CommandEntry& entry) {
  std::string text = "oza-cli " + entry.name;
  for (const PositionalEntry& positional : entry.positionals) {
    if (positional.least == 0)
      text += " [" + positional.name + "]" + (positional.most != 1 ? "..." : "");
    else
      text += " " + positional.name + (positional.most != 1 ? "..." : "");
  }
  for (const OptionEntry& option : entry.options) {
    const std::string usage = option.name + (option.value.empty() ? "" : " " + option.value);
    text += option.required ? " " + usage : " [" + usage + "]" + (option.repeated ? "..." : "");
  }
  return text;
}

std::string usageText() {
  std::string text;
  for (const CommandEntry& entry : commandTable())
    text += (text.empty() ? "usage: " : "       ") + synopsis(entry) + "\n";
  return text + "       oza-cli --help | --version\n";
}

std::string commandHelp(const CommandEntry& entry) {
  std::string text = "usage: " + synopsis(entry) + "\n\n" + entry.description + "\n";
  if (!entry.options.empty()) text += "\n";
  for (const OptionEntry& option : entry.options) {
    std::string usage = option.name + (option.value.empty() ? "" : " " + option.value);
    usage.resize(std::max<std::size_t>(usage.size() + 2, 24), ' ');
    text += "  " + usage + option.help + "\n";
  }
  return text;
}

int usageError(const ParsedCommand& command, CliContext& context, const std::string& problem) {
  context.err << "oza-cli: " << escapeControls(problem) << "\n" << commandHelp(*command.entry);
  return 2;
}

int runCommandLine(const std::vector<std::string>& args, CliContext& context) {
  if (args.size() == 1 && args[0] == "--version") {
    context.out << "oza-cli " << runningVersionText() << "\n";
    return 0;
  }
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    context.out << usageText();
    return 0;
  }
  if (args.empty()) {
    context.err << "oza-cli: no command given\n" << usageText();
    return 2;
  }
  if (args[0] == "--version" || args[0] == "--help" || args[0] == "-h") {
    context.err << "oza-cli: " << args[0] << " takes no arguments\n" << usageText();
    return 2;
  }
  const CommandEntry* entry = findCommand(args[0]);
  if (!entry) {
    context.err << "oza-cli: unknown command '" << escapeControls(args[0]) << "'\n" << usageText();
    return 2;
  }
  const auto parsed = parseCommand(*entry, args);
  if (!parsed) return usageError(ParsedCommand{entry, {}, {}}, context, parsed.error());
  // Memory runs out under a limit the caller set (ulimit -v) or on a
  // crowded machine; the command then stops like any other failure.
  try {
    return entry->run(*parsed, context);
  } catch (const std::bad_alloc&) {
    context.err << "oza-cli: out of memory\n";
    return 1;
  }
}

}  // namespace oza
