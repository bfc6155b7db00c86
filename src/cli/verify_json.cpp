#include "cli/verify_json.h"

#include "cli/json_writer.h"

namespace oza {

std::string checkJson(const CheckReport& report) {
  JsonWriter json;
  json.beginObject();
  json.key("image");
  json.value(report.path);
  if (!report.against.empty()) {
    json.key("against");
    json.value(report.against);
  }
  json.key("checks");
  json.beginArray();
  for (const CheckItem& item : report.items) {
    json.beginObject();
    json.key("name");
    json.value(item.name);
    json.key("outcome");
    json.value(outcomeName(item.outcome));
    json.key("detail");
    json.value(item.detail);
    json.endObject();
  }
  json.endArray();
  json.key("errors");
  json.value(report.count(CheckOutcome::Error));
  json.key("warnings");
  json.value(report.count(CheckOutcome::Warning));
  json.endObject();
  return json.str();
}

std::string diffJson(const std::string& pathA, const std::string& pathB, const std::vector<Difference>& differences) {
  JsonWriter json;
  json.beginObject();
  json.key("a");
  json.value(pathA);
  json.key("b");
  json.value(pathB);
  json.key("equal");
  json.value(differences.empty());
  json.key("differences");
  json.beginArray();
  for (const Difference& d : differences) {
    json.beginObject();
    json.key("what");
    json.value(d.what);
    json.key("a");
    json.value(d.a);
    json.key("b");
    json.value(d.b);
    json.endObject();
  }
  json.endArray();
  json.endObject();
  return json.str();
}

}  // namespace oza
