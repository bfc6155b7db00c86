#include "profiles/profile_saving.h"

#include "files/file_io.h"
#include "text/number_text.h"
#include "platform/platform.h"
#include "files/replace_question.h"
#include "profiles/profile_codec.h"
#include "profiles/profile_editor.h"
#include "profiles/profile_lines.h"

namespace oza {

std::string askProfileSavePath(ProfileEditor& editor) {
  FileDialogRequest request;
  request.title = "Save profile file...";
  request.filters = {{"XML files (*.xml)", "*.xml"}, {"All Files (*.*)", "*.*"}};
  request.defaultName = "Profiles.xml";
  return trimBlanks(editor.platform.saveFileDialog(request));
}

bool writeProfileToFile(const ProfileEditor& editor, const std::string& path) {
  return writeFileReplacing(path, joinProfileLines(editor.document.lines), editor.platform.fileWrites);
}

bool saveProfile(ProfileEditor& editor) {
  if (!editor.cardFrame[0].enabled()) return false;
  int last = 0;
  for (int k = 1; k < kProfileCards; ++k)
    if (editor.cardFrame[k].enabled()) last = k;

  auto lines = encodeProfile(editor.document, editor.shownValues(last));
  if (!lines) {
    editor.platform.message("Error saving profile file.", MessageIcon::Error);
    return false;
  }
  // The updated lines stay even when no file is written, as the window
  // shows them anyway.
  editor.document.lines = std::move(*lines);

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
