// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/cli_edits.h"

namespace oza {

std::expected<std::vector<ControlEdit>, std::string> controlEditsOf(const ParsedCommand& command) {
  std::vector<ControlEdit> edits;
  for (const auto& [option, value] : command.options) {
    const ControlEdit::Kind kind = option == "--set"     ? ControlEdit::Kind::Set
                                   : option == "--check" ? ControlEdit::Kind::Check
                                                         : ControlEdit::Kind::Select;
    if (option != "--set" && option != "--check" && option != "--select") continue;
    const std::optional<ControlEdit> edit = parseEdit(kind, value);
    if (!edit) return std::unexpected(option + " needs NAME=VALUE");
    edits.push_back(*edit);
  }
  return edits;
}

std::expected<void, std::string> applyEdits(const std::vector<Control*>& controls,
                                            const std::vector<ControlEdit>& edits) {
  for (const ControlEdit& edit : edits)
    if (auto applied = applyEdit(controls, edit); !applied) return applied;
  return {};
}

}  // namespace oza
