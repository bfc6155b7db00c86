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

void appendControlJson(std::string& out, const Control& control, const std::function<void(std::string&)>& extra) {
  const auto member = [&out](const char* name) {
    out += ",\"";
    out += name;
    out += "\":";
  };
  const auto flag = [&out](bool on) { out += on ? "true" : "false"; };
  out += "{\"text\":";
  appendJsonString(out, control.text());
  member("enabled");
  flag(control.enabled());
  member("visible");
  flag(control.visible());
  switch (control.kind()) {
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
      member("checked");
      flag(control.checked());
      break;
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
      member("items");
      appendJsonText(out, Json(control.items()));
      member("index");
      out += std::to_string(control.listIndex());
      break;
    case ControlKind::ScrollBar:
      member("value");
      out += std::to_string(control.value());
      break;
    default: break;
  }
  if (control.backColor()) {
    const Rgb c = *control.backColor();
    member("backColor");
    appendJsonString(out, "#" + hexByte(c.r) + hexByte(c.g) + hexByte(c.b));
  }
  if (!control.toolTip().empty()) {
    member("toolTip");
    appendJsonString(out, control.toolTip());
  }
  if (extra) extra(out);
  out += '}';
}

}  // namespace

ControlsJson::ControlsJson(const std::vector<Message>& messages) : out_("{\"messages\":") {
  appendJsonText(out_, messagesJson(messages));
  out_ += ",\"controls\":{";
}

void ControlsJson::name(const std::string& name) {
  if (!first_) out_ += ',';
  first_ = false;
  appendJsonString(out_, name);
  out_ += ':';
}

void ControlsJson::add(const std::string& name, const Control& control,
                       const std::function<void(std::string&)>& extra) {
  this->name(name);
  appendControlJson(out_, control, extra);
}

void ControlsJson::add(const std::string& name, const Json& value) {
  this->name(name);
  appendJsonText(out_, value);
}

std::string ControlsJson::text() { return std::move(out_) + "}}"; }

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
