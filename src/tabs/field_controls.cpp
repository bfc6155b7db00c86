// SPDX-License-Identifier: GPL-3.0-or-later

#include "tabs/field_controls.h"

#include "keys/value_keys.h"

namespace oza {

void describeFields(const std::vector<Control*>& controls) {
  for (Control* control : controls) {
    const ControlField* field = fieldOfControl(control->name());
    if (!field || !field->key.entry->editable) continue;
    control->setCaption(field->caption);
    if (field->rule && control->kind() == ControlKind::TextBox) control->setRule(*field->rule);
  }
}

}  // namespace oza
