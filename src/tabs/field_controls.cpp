// SPDX-License-Identifier: GPL-3.0-or-later

#include "tabs/field_controls.h"

#include <sstream>
#include <string>
#include <unordered_map>

#include "keys/value_keys.h"

namespace oza {

void describeFields(const std::vector<Control*>& controls) {
  std::unordered_map<std::string, Control*> byName;
  for (Control* control : controls) byName.emplace(control->name(), control);
  for (const ValueKey& entry : valueKeys()) {
    if (!entry.editable || entry.control.empty()) continue;
    for (int i = 0; i < entry.count; ++i) {
      std::istringstream names(entry.controlName(i));
      for (std::string name; names >> name;) {
        const auto found = byName.find(name);
        if (found == byName.end()) continue;
        Control& control = *found->second;
        control.setCaption(entry.captionOf(i));
        if (entry.type.kind == KeyKind::Number && control.kind() == ControlKind::TextBox)
          control.setRule(numberRule(entry.type));
      }
    }
  }
}

}  // namespace oza
