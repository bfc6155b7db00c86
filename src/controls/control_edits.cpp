// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/control_edits.h"

#include <algorithm>
#include <charconv>

#include "text/message_text.h"

namespace oza {

namespace {

bool isIndex(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::optional<ControlEdit> parseEdit(ControlEdit::Kind kind, const std::string& argument) {
  const auto equals = argument.find('=');
  if (equals == std::string::npos || equals == 0) return std::nullopt;
  return ControlEdit{kind, argument.substr(0, equals), argument.substr(equals + 1)};
}

std::expected<void, std::string> applyEdit(const std::vector<Control*>& controls, const ControlEdit& edit) {
  const auto refuse = [](std::string why) { return std::unexpected(std::move(why)); };
  auto found = std::find_if(controls.begin(), controls.end(), [&](Control* c) { return c->name() == edit.name; });
  if (found == controls.end()) return refuse("no control named '" + escapeControls(edit.name) + "'");
  Control& control = **found;
  // What the control shows already is no edit, even where the user could
  // not make one (a disabled box): a script may give every value back.
  if (edit.kind == ControlEdit::Kind::Set && control.text() == edit.value) return {};
  if (!control.enabled()) return refuse("'" + edit.name + "' is disabled");

  switch (edit.kind) {
    case ControlEdit::Kind::Set:
      if (control.kind() != ControlKind::TextBox && control.kind() != ControlKind::ComboBox)
        return refuse("'" + edit.name + "' takes no text");
      // As the window's key filter has it: what the box refuses never gets in.
      if (const auto refused = control.refusedCharacter(edit.value))
        return refuse("'" + edit.name + "' takes digits and the point only, not '" +
                      escapeControls(std::string(1, *refused)) + "'");
      control.setText(edit.value);
      // Refused where it is given, not at the save: a script learns which
      // of its values no save could write as typed.
      if (const auto& number = control.number(); !number)
        return refuse("'" + edit.name + "' (" + control.caption() + ") holds '" + escapeControls(control.text()) +
                      "', which " + number.error() + "; it takes " + control.rule()->describe());
      return {};
    case ControlEdit::Kind::Check: {
      if (edit.value != "0" && edit.value != "1") return refuse("--check takes 0 or 1");
      const bool wanted = edit.value == "1";
      if (control.kind() == ControlKind::CheckBox) {
        if (control.checked() != wanted) control.click();
        return {};
      }
      if (control.kind() == ControlKind::OptionButton) {
        if (!wanted) return refuse("an option button is cleared by checking another one");
        control.click();
        return {};
      }
      return refuse("'" + edit.name + "' is no check box or option button");
    }
    case ControlEdit::Kind::Select: {
      if (control.kind() != ControlKind::ComboBox && control.kind() != ControlKind::ListBox)
        return refuse("'" + edit.name + "' is no list");
      const auto& items = control.items();
      int index = -1;
      if (isIndex(edit.value)) {
        const auto [end, error] = std::from_chars(edit.value.data(), edit.value.data() + edit.value.size(), index);
        if (error != std::errc() || end != edit.value.data() + edit.value.size()) index = -1;
      } else {
        const auto item = std::find(items.begin(), items.end(), edit.value);
        if (item != items.end()) index = static_cast<int>(item - items.begin());
      }
      if (index < 0 || index >= static_cast<int>(items.size()))
        return refuse("'" + edit.name + "' has no entry '" + escapeControls(edit.value) + "'");
      control.choose(index);
      return {};
    }
  }
  return {};
}

}  // namespace oza
