// SPDX-License-Identifier: GPL-3.0-or-later

#include "profile_editor/profile_loading.h"

#include <filesystem>

#include "text/message_text.h"
#include "text/number_text.h"
#include "platform/platform.h"
#include "profiles/profile_codec.h"
#include "profile_editor/profile_editor.h"

namespace oza {

namespace {

void showLoadError(ProfileEditor& editor, const std::string& reason = {}) {
  editor.platform.message(withReason("Error loading profile file.", reason), MessageIcon::Error);
}

}  // namespace

std::expected<std::string, ReadFailure> readProfileFile(const std::string& path) {
  return readRegularFile(path, {kLargestProfileFile, true});
}

std::string askProfileOpenPath(ProfileEditor& editor) {
  FileDialogRequest request;
  request.title = "Open profile file...";
  request.filters = {{"XML files (*.xml)", "*.xml"}, {"All Files (*.*)", "*.*"}};
  // The loaded profile's folder, else the control centre's.
  const std::string loadedFolder = std::filesystem::path(editor.path).parent_path().string();
  request.startFolder = loadedFolder.empty() ? editor.startFolder() : loadedFolder;
  return editor.platform.openFileDialog(request);
}

bool loadProfile(ProfileEditor& editor, std::string& path) {
  if (!settleProfileEdits(editor)) return false;
  if (path.empty()) path = askProfileOpenPath(editor);
  if (path.empty()) return false;
  const auto bytes = readProfileFile(path);
  if (!bytes) {
    showLoadError(editor, readFailureText(bytes.error()));
    return false;
  }

  DecodedProfile decoded = decodeProfile(*bytes);
  editor.document = std::move(decoded.document);
  editor.path.clear();
  resetProfileView(editor);
  editor.showValues(decoded.values);
  std::vector<Control*> controls;
  editor.collect(controls);
  rememberAsLoaded(controls);
  if (decoded.error) {
    // The window keeps what was found so far, with every frame still
    // disabled, so that nothing of this file can be saved.
    showLoadError(editor);
    return false;
  }
  editor.enableCardsWithFanSettings();
  editor.path = path;
  bool any = false;
  for (int k = 0; k < kProfileCards; ++k) any = any || editor.cardFrame[k].enabled();
  if (!any)
    editor.platform.message(
        "This profile holds no Overdrive settings (fan speed algorithm or protocol) of any card: "
        "there is nothing in it to edit.",
        MessageIcon::Information);
  return true;
}

}  // namespace oza
