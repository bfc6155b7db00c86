#include "profiles/profile_loading.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "text/number_text.h"
#include "platform/platform.h"
#include "profiles/profile_codec.h"
#include "profiles/profile_editor.h"

namespace oza {

namespace {

void showLoadError(ProfileEditor& editor) {
  editor.platform.message("Error loading profile file.", MessageIcon::Error);
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

  DecodedProfile decoded = decodeProfile(bytes);
  editor.document = std::move(decoded.document);
  resetProfileView(editor);
  editor.showValues(decoded.values);
  if (decoded.error) {
    // The window keeps what was found so far, with every frame still
    // disabled, so that nothing of this file can be saved.
    showLoadError(editor);
    return false;
  }
  editor.enableCardsWithFanSettings();
  return true;
}

}  // namespace oza
