// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/key_commands.h"

#include <set>

#include "cli/cli_platform.h"
#include "cli/control_json.h"
#include "cli/edits_file.h"
#include "cli/image_commands.h"
#include "cli/json_text.h"
#include "cli/verify_json.h"
#include "session/save_review.h"
#include "files/file_reading.h"
#include "controls/key_edits.h"
#include "session/load_pipeline.h"
#include "session/save_pipeline.h"
#include "session/session.h"
#include "text/message_text.h"

namespace oza {

namespace {

// The keys the arguments select, each once, in the order of the table; all
// of them without arguments.
std::expected<std::vector<KeyRef>, std::string> selectedKeys(const std::vector<std::string>& selections) {
  if (selections.empty()) return keysUnder("");
  std::set<std::string> wanted;
  for (const std::string& selection : selections) {
    const std::vector<KeyRef> keys = keysUnder(selection);
    if (keys.empty()) return std::unexpected("no key or prefix '" + selection + "'");
    for (const KeyRef& key : keys) wanted.insert(key.key());
  }
  std::vector<KeyRef> keys;
  for (const KeyRef& key : keysUnder(""))
    if (wanted.count(key.key())) keys.push_back(key);
  return keys;
}

// The values of the keys the image has, as JSON or "key = value unit" lines.
std::string valuesText(const LoadedImage& image, const std::vector<KeyRef>& keys, bool json,
                       const ScriptedPlatform& platform) {
  Json values = Json::object();
  std::string text;
  for (const KeyRef& key : keys) {
    if (!key.entry->present(image, key.index)) continue;
    const KeyValue value = key.entry->value(image, key.index);
    values[key.key()] = keyValueJson(value);
    const bool none = std::holds_alternative<std::monostate>(value);
    text += key.key() + " = " + escapeControls(keyValueText(value)) +
            (none || key.entry->unit.empty() ? "" : " " + key.entry->unit) + "\n";
  }
  if (!json) return text;
  Json all = Json::object();
  all["image"] = image.path;
  all["messages"] = messagesJson(platform.messages);
  all["values"] = std::move(values);
  return jsonText(all) + "\n";
}

std::string failedLoadText(const ScriptedPlatform& platform, bool json) {
  if (!json) {
    std::string text;
    for (const Message& message : platform.messages) text += escapeControls(message.text) + "\n";
    return text;
  }
  Json all = Json::object();
  all["messages"] = messagesJson(platform.messages);
  all["values"] = Json::object();
  return jsonText(all) + "\n";
}

KeyValue keyValueOfJson(const Json& json) {
  if (json.is_number()) return json.get<double>();
  if (json.is_string()) return json.get<std::string>();
  if (json.is_boolean()) return json.get<bool>();
  return std::monostate{};
}

struct KeyEdit {
  KeyRef key;
  KeyValue value;
};

// The edits of KEY=VALUE arguments, then those of --edits.
std::expected<std::vector<KeyEdit>, std::string> keyEditsOf(const ParsedCommand& command) {
  std::vector<KeyEdit> edits;
  for (std::size_t i = 1; i < command.positionals.size(); ++i) {
    const std::string& argument = command.positionals[i];
    const std::size_t equals = argument.find('=');
    if (equals == std::string::npos || equals == 0) return std::unexpected("'" + argument + "' is no KEY=VALUE");
    const std::string name = argument.substr(0, equals);
    const std::optional<KeyRef> key = findKey(name);
    if (!key) return std::unexpected("no key '" + name + "'");
    const std::string raw = argument.substr(equals + 1);
    // A text is taken as typed: "0800" stays "0800"; so is a number, which
    // the edit reads, so that a message names it as given.
    const KeyKind kind = key->entry->type.kind;
    const bool typed = kind == KeyKind::Text || (kind == KeyKind::Number && raw != "null");
    edits.push_back({*key, typed ? KeyValue(raw) : keyValueOfText(raw)});
  }
  if (const auto file = command.value("--edits")) {
    const auto bytes = readRegularFile(*file, {1000000, false});
    if (!bytes) return std::unexpected("--edits " + *file + ": " + readFailureText(bytes.error()));
    const auto members = jsonMembers(*bytes);
    if (!members) return std::unexpected("--edits " + *file + " " + members.error());
    for (const auto& [name, value] : *members) {
      const std::optional<KeyRef> key = findKey(name);
      if (!key) return std::unexpected("no key '" + name + "' (in " + *file + ")");
      if (value.is_array() || value.is_object())
        return std::unexpected(name + ": takes a number, a text, a flag or null");
      edits.push_back({*key, keyValueOfJson(value)});
    }
  }
  return edits;
}

Json keyJson(const ValueKey& entry) {
  const KeyType& type = entry.type;
  Json json = Json::object();
  json["key"] = entry.pattern;
  if (entry.count > 1) json["count"] = entry.count;
  json["unit"] = entry.unit;
  static const char* const kinds[] = {"number", "text", "choice", "flag"};
  json["type"] = kinds[static_cast<int>(type.kind)];
  if (type.kind == KeyKind::Number) {
    json["lowest"] = jsonNumber(type.lowest);
    json["highest"] = jsonNumber(type.highest);
    json["step"] = jsonNumber(type.step);
    json["nullable"] = type.nullable;
  }
  if (type.kind == KeyKind::Choice) json["entries"] = type.entries;
  if (type.kind == KeyKind::Text && type.largest) json["largest"] = type.largest;
  json["meaning"] = entry.meaning;
  json["control"] = entry.control;
  json["editable"] = entry.editable;
  return json;
}

}  // namespace

int runGet(const ParsedCommand& command, CliContext& context) {
  const auto keys = selectedKeys({command.positionals.begin() + 1, command.positionals.end()});
  if (!keys) return usageError(command, context, keys.error());
  const bool json = command.value("--format") != "text";
  CliPlatform platform(MessageAnswer::No, false);
  Session session(platform);
  session.start();
  if (!loadBiosFile(session, command.positionals[0])) {
    context.out << failedLoadText(platform, json);
    return 1;
  }
  context.out << valuesText(*session.image(), *keys, json, platform);
  return 0;
}

int runSet(const ParsedCommand& command, CliContext& context) {
  const auto edits = keyEditsOf(command);
  if (!edits) return usageError(command, context, edits.error());
  CliPlatform platform(MessageAnswer::No, command.has("--force"));
  Session session(platform);
  session.start();
  if (!loadBiosFile(session, command.positionals[0])) {
    context.out << failedLoadText(platform, true);
    return 1;
  }
  std::vector<std::pair<KeyRef, ControlEdit>> controlEdits;
  for (const KeyEdit& edit : *edits) {
    auto controlEdit = controlEditFor(edit.key, edit.value, *session.image());
    if (!controlEdit) return usageError(command, context, controlEdit.error());
    if (*controlEdit) controlEdits.emplace_back(edit.key, **controlEdit);
  }
  for (const auto& [key, edit] : controlEdits)
    if (const auto applied = applyEdit(session.controls(), edit); !applied)
      return usageError(command, context, key.key() + ": " + applied.error());
  if (command.has("--dry-run")) return printDryRun(command, session, platform, context);
  const std::string out = *command.value("--out");
  platform.queueSavePath(out);
  if (!saveBiosFile(session)) {
    context.out << valuesText(*session.image(), keysUnder(""), true, platform);
    return 1;
  }
  // What the saved file holds, as get shows it.
  ScriptedPlatform quiet;
  Session saved(quiet);
  saved.start();
  if (!loadBiosFile(saved, out)) {
    context.out << failedLoadText(quiet, true);
    return 1;
  }
  quiet.messages.insert(quiet.messages.begin(), platform.messages.begin(), platform.messages.end());
  context.out << valuesText(*saved.image(), keysUnder(""), true, quiet);
  return 0;
}

int runKeys(const ParsedCommand& command, CliContext& context) {
  const std::string prefix = command.positionals.empty() ? "" : command.positionals[0];
  std::vector<const ValueKey*> entries;
  for (const KeyRef& key : keysUnder(prefix))
    if (entries.empty() || entries.back() != key.entry) entries.push_back(key.entry);
  if (entries.empty()) return usageError(command, context, "no key or prefix '" + prefix + "'");
  if (command.value("--format") == "json") {
    Json list = Json::array();
    for (const ValueKey* entry : entries) list.push_back(keyJson(*entry));
    context.out << jsonText(Json{{"keys", std::move(list)}}) << "\n";
    return 0;
  }
  for (const ValueKey* entry : entries)
    context.out << entry->pattern << "  " << keyTerms(*entry) << "\n    " << entry->meaning
                << (entry->control.empty() ? "" : " [" + entry->control + "]") << "\n";
  return 0;
}

}  // namespace oza
