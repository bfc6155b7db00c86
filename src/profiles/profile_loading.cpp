#include "profiles/profile_loading.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "text/number_text.h"
#include "platform/platform.h"
#include "profiles/profile_editor.h"
#include "profiles/profile_lines.h"

namespace oza {

namespace {

void showLoadError(ProfileEditor& editor) {
  editor.platform.message("Error loading profile file.", MessageIcon::Error);
}

// Shows the value of field `f` of card `k` from its value line.
void showValue(ProfileEditor& editor, int f, int k, const std::string& line) {
  Control& box = editor.field(f)[k];
  if (kProfileFieldTable[static_cast<std::size_t>(f)].kind == ProfileFieldKind::Number) {
    const auto span = findQuotedValue(line);
    box.setText(span ? shownNumber(line.substr(span->start, span->length)) : std::string());
    return;
  }
  // The words may stand anywhere in the line; "manual" wins over
  // "automatic". A later occurrence that holds neither clears the choice, so
  // that saving cannot write an earlier line's word into this one.
  const std::string lower = toLower(line);
  int index = -1;
  if (f == kAlgorithmField) {
    if (contains(lower, "automatic")) index = 0;
    if (contains(lower, "manual")) index = 1;
  } else if (contains(lower, "percent")) {
    index = 0;
  }
  box.setListIndex(index);
}

}  // namespace

bool readProfileFile(const std::string& path, std::string& bytes) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  // One byte more than allowed tells a file that is too long, however long
  // it is, without reading all of it.
  std::string content(kLargestProfileFile + 1, '\0');
  in.read(content.data(), static_cast<std::streamsize>(content.size()));
  if (in.bad()) return false;
  const auto length = static_cast<std::size_t>(in.gcount());
  if (length > kLargestProfileFile) return false;
  content.resize(length);
  bytes = std::move(content);
  return true;
}

std::string askProfileOpenPath(ProfileEditor& editor) {
  FileDialogRequest request;
  request.title = "Open profile file...";
  request.filters = {{"XML files (*.xml)", "*.xml"}, {"All Files (*.*)", "*.*"}};
  request.startFolder = editor.startFolder();
  return trimBlanks(editor.platform.openFileDialog(request));
}

bool loadProfile(ProfileEditor& editor, std::string& path) {
  if (path.empty()) path = askProfileOpenPath(editor);
  if (path.empty()) return false;
  std::string bytes;
  if (!readProfileFile(path, bytes)) {
    showLoadError(editor);
    return false;
  }

  editor.valueLines = {};
  editor.lines = splitProfileLines(bytes);
  resetProfileView(editor);
  const auto& lines = editor.lines;
  for (int k = 0; k < kProfileCards; ++k) {
    std::array<std::string, kProfileFields> keys;
    for (int f = 0; f < kProfileFields; ++f)
      keys[static_cast<std::size_t>(f)] = kProfileFieldTable[static_cast<std::size_t>(f)].key + std::to_string(k);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      for (int f = 0; f < kProfileFields; ++f) {
        if (!contains(lines[i], keys[static_cast<std::size_t>(f)])) continue;
        if (i + 1 == lines.size()) {
          // A name without a value line; the window keeps what it shows so
          // far, with every frame still disabled.
          showLoadError(editor);
          return false;
        }
        editor.valueLines[static_cast<std::size_t>(f)][static_cast<std::size_t>(k)] = i + 1;
        showValue(editor, f, k, lines[i + 1]);
      }
    }
  }
  for (int k = 0; k < kProfileCards; ++k) {
    const auto card = static_cast<std::size_t>(k);
    editor.cardFrame[k].setEnabled(editor.valueLines[kAlgorithmField][card] != 0 ||
                                   editor.valueLines[kProtocolField][card] != 0);
  }
  return true;
}

}  // namespace oza
