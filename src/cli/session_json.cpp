// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/session_json.h"

#include "cli/control_json.h"

namespace oza {

namespace {

// The drawn lines of a fan graph as [x1, y1, x2, y2] in graph units.
std::function<void(std::string&)> segments(const FanGraph& graph) {
  return [&graph](std::string& out) {
    Json lines = Json::array();
    for (const GraphLine& line : graph.segments()) {
      Json points = Json::array();
      for (double v : {line.x1, line.y1, line.x2, line.y2}) points.push_back(jsonNumber(v));
      lines.push_back(std::move(points));
    }
    out += ",\"segments\":";
    appendJsonText(out, lines);
  };
}

}  // namespace

std::string sessionJson(Session& session, const ScriptedPlatform& platform) {
  ControlsJson json(platform.messages);
  const FanTab& fan = session.form().fan;
  for (const Control* control : session.controls()) {
    std::function<void(std::string&)> extra;
    if (control == &fan.type1Picture) extra = segments(fan.type1Graph);
    if (control == &fan.type2Picture) extra = segments(fan.type2Graph);
    json.add(control->name(), *control, extra);
  }
  json.add("Linie", Json(session.form().info.whiteLines()));
  std::vector<Control*> textWindow;
  session.textWindow().collect(textWindow);
  for (const Control* control : textWindow) {
    const bool isForm = control == &session.textWindow().window;
    json.add(isForm ? "Form3" : "Form3." + control->name(), *control);
  }
  return json.text();
}

Json sessionJsonValue(Session& session, const ScriptedPlatform& platform) {
  return Json::parse(sessionJson(session, platform));
}

}  // namespace oza
