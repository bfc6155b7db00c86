#include "cli/session_json.h"

#include "cli/control_json.h"

namespace oza {

std::string sessionJson(Session& session, const ScriptedPlatform& platform) {
  JsonWriter json;
  json.beginObject();
  writeMessages(json, platform.messages);
  json.key("controls");
  json.beginObject();
  auto segments = [](const FanGraph& graph) {
    return [&graph](JsonWriter& out) {
      out.key("segments");
      out.beginArray();
      for (const GraphLine& line : graph.segments()) {
        out.beginArray();
        for (double v : {line.x1, line.y1, line.x2, line.y2}) out.value(v);
        out.endArray();
      }
      out.endArray();
    };
  };
  const FanTab& fan = session.form.fan;
  for (const Control* control : session.controls()) {
    std::function<void(JsonWriter&)> extra;
    if (control == &fan.Picture2) extra = segments(fan.graph2);
    if (control == &fan.Picture5) extra = segments(fan.graph5);
    writeControl(json, *control, control->name(), extra);
  }
  json.key("Linie");
  json.beginArray();
  for (int line : session.form.info.whiteLines()) json.value(line);
  json.endArray();
  std::vector<Control*> textWindow;
  session.textWindow.collect(textWindow);
  for (const Control* control : textWindow) {
    const bool isForm = control == &session.textWindow.Form3;
    writeControl(json, *control, isForm ? "Form3" : "Form3." + control->name());
  }
  json.endObject();
  json.endObject();
  return json.str();
}

}  // namespace oza
