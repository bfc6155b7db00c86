#include "cli/control_json.h"

#include "image/hex_fields.h"

namespace oza {

namespace {

const char* iconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return "information";
    case MessageIcon::Critical: return "critical";
    case MessageIcon::Error: return "error";
    case MessageIcon::Question: return "question";
    case MessageIcon::None: break;
  }
  return "none";
}

}  // namespace

void writeControl(JsonWriter& json, const Control& control, const std::string& key,
                  const std::function<void(JsonWriter&)>& extra) {
  json.key(key);
  json.beginObject();
  json.key("text");
  json.value(control.text());
  json.key("enabled");
  json.value(control.enabled());
  json.key("visible");
  json.value(control.visible());
  switch (control.kind()) {
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
      json.key("checked");
      json.value(control.checked());
      break;
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
      json.key("items");
      json.beginArray();
      for (const auto& item : control.items()) json.value(item);
      json.endArray();
      json.key("index");
      json.value(control.listIndex());
      break;
    case ControlKind::ScrollBar:
      json.key("value");
      json.value(control.value());
      break;
    default:
      break;
  }
  if (control.backColor()) {
    const Rgb c = *control.backColor();
    json.key("backColor");
    json.value("#" + hexByte(c.r) + hexByte(c.g) + hexByte(c.b));
  }
  if (!control.toolTip().empty()) {
    json.key("toolTip");
    json.value(control.toolTip());
  }
  if (extra) extra(json);
  json.endObject();
}

void writeMessages(JsonWriter& json, const std::vector<Message>& messages) {
  json.key("messages");
  json.beginArray();
  for (const auto& m : messages) {
    json.beginObject();
    json.key("title");
    json.value(m.title);
    json.key("text");
    json.value(m.text);
    json.key("icon");
    json.value(iconName(m.icon));
    json.key("buttons");
    json.value(m.buttons == MessageButtons::YesNo ? "yesno" : "ok");
    json.endObject();
  }
  json.endArray();
}

}  // namespace oza
