// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/control_json.h"

#include "image/hex_fields.h"

namespace oza {

namespace {

const char* iconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return "information";
    case MessageIcon::Warning: return "warning";
    case MessageIcon::Critical: return "critical";
    case MessageIcon::Error: return "error";
    case MessageIcon::Question: return "question";
    case MessageIcon::None: break;
  }
  return "none";
}

}  // namespace

Json controlJson(const Control& control, const std::function<void(Json&)>& extra) {
  Json json = Json::object();
  json["text"] = control.text();
  json["enabled"] = control.enabled();
  json["visible"] = control.visible();
  switch (control.kind()) {
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: json["checked"] = control.checked(); break;
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
      json["items"] = control.items();
      json["index"] = control.listIndex();
      break;
    case ControlKind::ScrollBar: json["value"] = control.value(); break;
    default: break;
  }
  if (control.backColor()) {
    const Rgb c = *control.backColor();
    json["backColor"] = "#" + hexByte(c.r) + hexByte(c.g) + hexByte(c.b);
  }
  if (!control.toolTip().empty()) json["toolTip"] = control.toolTip();
  if (extra) extra(json);
  return json;
}

Json messagesJson(const std::vector<Message>& messages) {
  Json list = Json::array();
  for (const auto& m : messages)
    list.push_back({{"title", m.title},
                    {"text", m.text},
                    {"icon", iconName(m.icon)},
                    {"buttons", m.buttons == MessageButtons::YesNo               ? "yesno"
                                : m.buttons == MessageButtons::SaveDiscardCancel ? "savediscardcancel"
                                                                                 : "ok"}});
  return list;
}

}  // namespace oza
