#include "cli/session_json.h"

#include "cli/control_json.h"

namespace oza {

std::string sessionJson(Session& session, const ScriptedPlatform& platform) {
  JsonWriter json;
  json.beginObject();
  writeMessages(json, platform.messages);
  json.key("controls");
  json.beginObject();
  for (const Control* control : session.controls()) writeControl(json, *control, control->name());
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
