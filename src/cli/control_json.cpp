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
  // Appended in order: each key is new, and a dump holds hundreds of
  // controls, so the search for an equal key each insertion makes is skipped.
  Json json = Json::object();
  auto& members = static_cast<std::vector<std::pair<const std::string, Json>>&>(json.get_ref<Json::object_t&>());
  members.reserve(7);
  members.emplace_back("text", control.text());
  members.emplace_back("enabled", control.enabled());
  members.emplace_back("visible", control.visible());
  switch (control.kind()) {
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: members.emplace_back("checked", control.checked()); break;
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
      members.emplace_back("items", control.items());
      members.emplace_back("index", control.listIndex());
      break;
    case ControlKind::ScrollBar: members.emplace_back("value", control.value()); break;
    default: break;
  }
  if (control.backColor()) {
    const Rgb c = *control.backColor();
    members.emplace_back("backColor", "#" + hexByte(c.r) + hexByte(c.g) + hexByte(c.b));
  }
  if (!control.toolTip().empty()) members.emplace_back("toolTip", control.toolTip());
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
