// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/table_commands.h"

#include <tuple>

#include "cli/json_text.h"
#include "image/atom_tables.h"
#include "image/hex_fields.h"
#include "image/table_layout.h"
#include "text/message_text.h"
#include "verify/image_file.h"

namespace oza {

namespace {

Json optionalJson(const std::optional<int>& value) { return value ? Json(*value) : Json(); }

Json entryJson(const AtomTableEntry& entry, bool command) {
  const std::optional<TableHeader>& h = entry.header;
  Json json = {{"index", entry.index},
               {"name", entry.name},
               {"offset", entry.offset},
               {"size", h ? Json(h->size) : Json()},
               {"format_revision", h ? Json(h->formatRevision) : Json()},
               {"content_revision", h ? Json(h->contentRevision) : Json()},
               {"absent", !entry.present()}};
  if (command) {
    json["workspace_bytes"] = optionalJson(entry.workspaceBytes);
    json["parameter_bytes"] = optionalJson(entry.parameterBytes);
    json["updated_by_utility"] = entry.updatedByUtility ? Json(*entry.updatedByUtility) : Json();
  }
  return json;
}

const char* ruleOf(LayoutProblem problem) {
  return problem == LayoutProblem::Overlap ? "tables_apart" : "tables_within_image";
}

const char* problemName(LayoutProblem problem) {
  switch (problem) {
    case LayoutProblem::PastDeclaredImage: return "past_declared_image";
    case LayoutProblem::PastFile: return "past_file";
    case LayoutProblem::MasterTooShort: return "master_too_short";
    case LayoutProblem::Overlap: break;
  }
  return "overlap";
}

std::string tablesJson(const AtomTables& tables, const std::vector<LayoutFinding>& findings) {
  Json json = Json::object();
  for (const auto& [name, master, command] :
       {std::tuple{"data", &tables.data, false}, std::tuple{"command", &tables.command, true}}) {
    Json entries = Json::array();
    for (const AtomTableEntry& entry : master->entries) entries.push_back(entryJson(entry, command));
    json[name] = std::move(entries);
  }
  Json found = Json::array();
  for (const LayoutFinding& finding : findings)
    found.push_back(
        {{"rule", ruleOf(finding.problem)}, {"problem", problemName(finding.problem)}, {"detail", finding.text}});
  json["findings"] = std::move(found);
  return jsonText(json) + "\n";
}

std::string number(const std::optional<int>& value) { return value ? std::to_string(*value) : "-"; }

std::string entryLine(const AtomTableEntry& entry, bool command) {
  std::string line = std::to_string(entry.index) + "\t" + entry.name + "\t";
  if (!entry.present()) return line + "absent\n";
  line += "0x" + hexText(static_cast<std::uint64_t>(entry.offset), 4) + "\t";
  const std::optional<TableHeader>& h = entry.header;
  if (!h) return line + "outside the file\n";
  line += std::to_string(h->size) + "\t" + std::to_string(h->formatRevision) + "." + std::to_string(h->contentRevision);
  if (command)
    line += "\t" + number(entry.workspaceBytes) + "\t" + number(entry.parameterBytes) + "\t" +
            (entry.updatedByUtility ? (*entry.updatedByUtility ? "yes" : "no") : "-");
  return line + "\n";
}

std::string masterText(const char* title, const MasterTable& master, bool command) {
  std::string text = std::string(title);
  if (!master.header) return text + ": none\n";
  text += " (" + std::to_string(master.entries.size()) + " entries at 0x" +
          hexText(static_cast<std::uint64_t>(master.header->position), 4) + ")\n";
  text += command ? "Index\tName\tOffset\tSize\tRevision\tWork space\tParameters\tUpdated by utility\n"
                  : "Index\tName\tOffset\tSize\tRevision\n";
  for (const AtomTableEntry& entry : master.entries) text += entryLine(entry, command);
  return text;
}

std::string tablesText(const AtomTables& tables, const std::vector<LayoutFinding>& findings) {
  std::string text = masterText("Data tables", tables.data, false) + "\n";
  text += masterText("Command tables", tables.command, true) + "\n";
  if (findings.empty()) return text + "Findings: none\n";
  text += "Findings:\n";
  for (const LayoutFinding& finding : findings)
    text += std::string(ruleOf(finding.problem)) + "\t" + finding.text + "\n";
  return text;
}

}  // namespace

int runTables(const ParsedCommand& command, CliContext& context) {
  const ImageFile file = loadImageFile(command.positionals[0]);
  if (!file.bytes) {
    context.err << "oza-cli: " << escapeControls(file.path) << " cannot be read: " << escapeControls(file.failure)
                << "\n";
    return 1;
  }
  const AtomTables tables = readAtomTables(*file.bytes);
  const std::vector<LayoutFinding> findings = layoutFindings(*file.bytes, tables);
  context.out << (command.value("--format") == "text" ? tablesText(tables, findings) : tablesJson(tables, findings));
  return 0;
}

}  // namespace oza
