// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/session_json.h"

#include "cli/control_json.h"

namespace oza {

namespace {

// The drawn lines of a fan graph as [x1, y1, x2, y2] in graph units.
std::function<void(Json&)> segments(const FanGraph& graph) {
  return [&graph](Json& json) {
    Json lines = Json::array();
    for (const GraphLine& line : graph.segments()) {
      Json points = Json::array();
      for (double v : {line.x1, line.y1, line.x2, line.y2}) points.push_back(jsonNumber(v));
      lines.push_back(std::move(points));
    }
    json["segments"] = std::move(lines);
  };
}

}  // namespace

std::string sessionJson(Session& session, const ScriptedPlatform& platform) {
  return jsonText(sessionJsonValue(session, platform));
}

Json sessionJsonValue(Session& session, const ScriptedPlatform& platform) {
  Json controls = Json::object();
  // Control names are unique: appended in order, without the search for an
  // equal key that each insertion into an ordered object makes (it made the
  // dump quadratic in the number of controls).
  auto& entries = static_cast<std::vector<std::pair<const std::string, Json>>&>(controls.get_ref<Json::object_t&>());
  const std::vector<Control*> all = session.controls();
  entries.reserve(all.size() + 16);
  const FanTab& fan = session.form().fan;
  for (const Control* control : all) {
    std::function<void(Json&)> extra;
    if (control == &fan.type1Picture) extra = segments(fan.type1Graph);
    if (control == &fan.type2Picture) extra = segments(fan.type2Graph);
    entries.emplace_back(control->name(), controlJson(*control, extra));
  }
  controls["Linie"] = session.form().info.whiteLines();
  std::vector<Control*> textWindow;
  session.textWindow().collect(textWindow);
  for (const Control* control : textWindow) {
    const bool isForm = control == &session.textWindow().window;
    controls[isForm ? "Form3" : "Form3." + control->name()] = controlJson(*control);
  }
  Json json = Json::object();
  json["messages"] = messagesJson(platform.messages);
  json["controls"] = std::move(controls);
  return json;
}

}  // namespace oza
