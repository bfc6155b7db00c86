// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <expected>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace oza {

class RomAccess;

// What a command is run with.
struct CliContext {
  std::ostream& out;
  std::ostream& err;
  RomAccess& access;
};

struct OptionEntry {
  std::string name;   // "--out"
  std::string value;  // "FILE"; empty for a flag
  bool required = false;
  bool repeated = false;
  std::vector<std::string> choices;  // the values it takes; any when empty
  std::string help;
};

struct PositionalEntry {
  std::string name;  // "IMAGE"
  int least = 1;
  int most = 1;  // -1: any number
};

struct ParsedCommand;

struct CommandEntry {
  std::string name;
  std::vector<PositionalEntry> positionals;
  std::vector<OptionEntry> options;
  std::string description;
  int (*run)(const ParsedCommand& command, CliContext& context) = nullptr;
};

// A command line as its command's table entry reads it.
struct ParsedCommand {
  const CommandEntry* entry = nullptr;
  std::vector<std::string> positionals;
  // Every option given, in order, with its value (empty for a flag).
  std::vector<std::pair<std::string, std::string>> options;

  bool has(const std::string& option) const;
  std::optional<std::string> value(const std::string& option) const;
  std::vector<std::string> values(const std::string& option) const;
};

// Every command of oza-cli, in the order the usage lists them.
const std::vector<CommandEntry>& commandTable();
const CommandEntry* findCommand(const std::string& name);

// Reads `args` (the command's name first) by the command's table entry: options
// anywhere, "--" ends them, a value after its option or joined by "="; a
// missing, unknown, repeated or empty file value, or a wrong number of
// positionals, is a usage error.
std::expected<ParsedCommand, std::string> parseCommand(const CommandEntry& entry, const std::vector<std::string>& args);

// "oza-cli save IMAGE --out FILE [--set NAME=TEXT]... [--force]".
std::string synopsis(const CommandEntry& entry);
// Every command's synopsis, as "usage: ..." lines.
std::string usageText();
// One command's synopsis, options and what it does.
std::string commandHelp(const CommandEntry& entry);

// The one way a command reports a usage error: the problem and the
// command's usage on `err`, exit code 2.
int usageError(const ParsedCommand& command, CliContext& context, const std::string& problem);

// Runs an oza-cli command line. Exit codes: 0 done, 1 stopped at a failure
// (its messages are in the JSON), 2 usage error (message on `err`).
int runCommandLine(const std::vector<std::string>& args, CliContext& context);

}  // namespace oza
