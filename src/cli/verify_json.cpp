// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/verify_json.h"

#include "cli/control_json.h"
#include "cli/json_text.h"

namespace oza {

Json checkJsonValue(const CheckReport& report) {
  Json json = Json::object();
  json["image"] = report.path;
  if (!report.against.empty()) json["against"] = report.against;
  Json checks = Json::array();
  for (const CheckItem& item : report.items) {
    Json values = Json::object();
    for (const auto& [key, value] : item.values) values[key] = keyValueJson(value);
    checks.push_back({{"name", item.name},
                      {"outcome", outcomeName(item.outcome)},
                      {"detail", item.detail},
                      {"key", item.key},
                      {"values", std::move(values)}});
  }
  json["checks"] = std::move(checks);
  json["errors"] = report.count(CheckOutcome::Error);
  json["warnings"] = report.count(CheckOutcome::Warning);
  return json;
}

std::string checkJson(const CheckReport& report) { return jsonText(checkJsonValue(report)); }

Json differenceRowsJson(const std::vector<Difference>& differences) {
  Json rows = Json::array();
  for (const Difference& d : differences) {
    Json row = {{"what", d.what},
                {"a", d.a},
                {"b", d.b},
                {"key", d.key},
                {"valueA", keyValueJson(d.valueA)},
                {"valueB", keyValueJson(d.valueB)}};
    // Bytes outside every table have none to name.
    if (d.table) row["table"] = d.table->empty() ? Json() : Json(*d.table);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string diffJson(const std::string& pathA, const std::string& pathB, const std::vector<Difference>& differences) {
  Json json = Json::object();
  json["a"] = pathA;
  json["b"] = pathB;
  json["equal"] = differences.empty();
  json["differences"] = differenceRowsJson(differences);
  return jsonText(json);
}

std::string dryRunJson(const std::string& image, const std::vector<Message>& messages, const PendingSave* pending) {
  Json json = Json::object();
  json["image"] = image;
  json["messages"] = messagesJson(messages);
  json["written"] = false;
  if (pending) {
    json["changes"] = differenceRowsJson(pending->changes);
    json["check"] = checkJsonValue(pending->check);
  }
  return jsonText(json);
}

}  // namespace oza
