#include "cli/cli_edits.h"

#include "text/message_text.h"

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

bool applyEdits(const std::vector<Control*>& controls, const std::vector<ControlEdit>& edits, std::ostream& err) {
  for (const ControlEdit& edit : edits) {
    if (const auto applied = applyEdit(controls, edit); !applied) {
      err << "oza-cli: " << escapeControls(applied.error()) << "\n";
      return false;
    }
  }
  return true;
}

}  // namespace oza
