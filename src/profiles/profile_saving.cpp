#include "profiles/profile_saving.h"

#include <optional>

#include "files/file_io.h"
#include "text/number_text.h"
#include "platform/platform.h"
#include "files/replace_question.h"
#include "profiles/profile_editor.h"
#include "profiles/profile_lines.h"

namespace oza {

namespace {

// What the window shows for a field: the chosen list entry (nothing when none
// is chosen, so that a value the window could not show stays), or the text
// as typed.
std::optional<std::string> shownValue(const Control& box, ProfileFieldKind kind) {
  if (kind == ProfileFieldKind::Number) return box.text();
  if (box.listIndex() < 0) return std::nullopt;
  return box.items()[static_cast<std::size_t>(box.listIndex())];
}

// Puts the window's values into a copy of the lines; empty when a value
// cannot be written.
std::optional<std::vector<std::string>> updatedLines(ProfileEditor& editor, int last) {
  std::vector<std::string> lines = editor.lines;
  for (int k = 0; k <= last; ++k) {
    for (int f = 0; f < kProfileFields; ++f) {
      const std::size_t index = editor.valueLines[static_cast<std::size_t>(f)][static_cast<std::size_t>(k)];
      if (index == 0 || index >= lines.size() || !findQuotedValue(lines[index])) continue;
      const auto value = shownValue(editor.field(f)[k], kProfileFieldTable[static_cast<std::size_t>(f)].kind);
      if (!value) continue;
      // Only plain ASCII passes, so the UTF-8 text is already the bytes.
      if (!isWritableValue(*value)) return std::nullopt;
      lines[index] = replaceQuotedValue(lines[index], *value);
    }
  }
  return lines;
}

}  // namespace

std::string askProfileSavePath(ProfileEditor& editor) {
  FileDialogRequest request;
  request.title = "Save profile file...";
  request.filters = {{"XML files (*.xml)", "*.xml"}, {"All Files (*.*)", "*.*"}};
  request.defaultName = "Profiles.xml";
  return trimBlanks(editor.platform.saveFileDialog(request));
}

bool writeProfileToFile(const ProfileEditor& editor, const std::string& path) {
  return writeFileReplacing(path, joinProfileLines(editor.lines), editor.platform.fileWrites);
}

bool saveProfile(ProfileEditor& editor) {
  if (!editor.cardFrame[0].enabled()) return false;
  int last = 0;
  for (int k = 1; k < kProfileCards; ++k)
    if (editor.cardFrame[k].enabled()) last = k;

  auto lines = updatedLines(editor, last);
  if (!lines) {
    editor.platform.message("Error saving profile file.", MessageIcon::Error);
    return false;
  }
  // The updated lines stay even when no file is written, as the window
  // shows them anyway.
  editor.lines = std::move(*lines);

  const std::string path = askProfileSavePath(editor);
  if (path.empty()) return false;
  if (!askBeforeReplacing(editor.platform, path)) return false;
  if (!writeProfileToFile(editor, path)) {
    editor.platform.message("Error writing profile to file. Maybe file system error (HD full/write protected)? - "
                            "Debug information: 'WriteProfileToFile(sFile)' reported error.",
                            MessageIcon::Information);
    return false;
  }
  return true;
}

}  // namespace oza
