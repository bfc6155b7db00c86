// SPDX-License-Identifier: GPL-3.0-or-later

#include "profile_editor/profile_saving.h"

#include <filesystem>

#include "files/file_io.h"
#include "files/file_reading.h"
#include "text/message_text.h"
#include "platform/platform.h"
#include "platform/replace_question.h"
#include "profiles/profile_codec.h"
#include "profile_editor/profile_editor.h"
#include "profiles/profile_lines.h"

namespace oza {

std::string askProfileSavePath(ProfileEditor& editor) {
  FileDialogRequest request;
  request.title = "Save profile file...";
  request.filters = {{"XML files (*.xml)", "*.xml"}, {"All Files (*.*)", "*.*"}};
  request.defaultName = "Profiles.xml";
  request.startFolder = std::filesystem::path(editor.path).parent_path().string();
  return editor.platform.saveFileDialog(request);
}

WriteResult writeProfileToFile(const ProfileEditor& editor, const std::string& path) {
  return replaceFile(path, joinProfileLines(editor.document.lines, editor.document.lineEnds),
                     editor.platform.fileWrites);
}

namespace {

bool refuse(ProfileEditor& editor, const std::string& reason = {}) {
  editor.platform.message(withReason("Error saving profile file.", reason), MessageIcon::Error);
  return false;
}

// "Card 1: Core clock (Hz) (CoreClock(1))", how a message names a box.
std::string boxCaption(const ProfileEditor& editor, int f, int k) {
  std::string label = kProfileFieldTable[static_cast<std::size_t>(f)].label;
  if (!label.empty() && label.back() == ':') label.pop_back();
  return "Card " + std::to_string(k) + ": " + label + " (" + editor.field(f)[k].name() + ")";
}

// An edited number box left empty: its value line would hold no number.
std::optional<std::string> emptyNumber(const ProfileEditor& editor, int lastCard) {
  for (int k = 0; k <= lastCard; ++k) {
    for (int f = 0; f < kProfileFields; ++f) {
      const Control& box = editor.field(f)[k];
      if (!isProfileNumberField(f) || box.showsLoaded() || !box.text().empty()) continue;
      return boxCaption(editor, f, k) + " is empty; it needs a number.";
    }
  }
  return std::nullopt;
}

// An edit the saved file would not hold: a list text that is none of its
// entries, or a value that another setting's edit of the same line replaces.
// Only boxes a save writes are looked at, as encodeProfile leaves the others.
std::optional<std::string> lostEdit(const ProfileEditor& editor, int lastCard, const ProfileValues& saved) {
  for (int k = 0; k <= lastCard; ++k) {
    for (int f = 0; f < kProfileFields; ++f) {
      const Control& box = editor.field(f)[k];
      if (box.showsLoaded() || !canWriteValue(editor.document, f, k)) continue;
      const ProfileValue& value = saved[static_cast<std::size_t>(f)][static_cast<std::size_t>(k)];
      const std::string shown = "\"" + escapeControls(box.text()) + "\"";
      if (!isProfileNumberField(f) && box.listIndex() < 0)
        return boxCaption(editor, f, k) + " holds " + shown + ", none of its entries.";
      const bool kept =
          isProfileNumberField(f) ? value.number == shownNumber(box.text()) : value.entry == box.listIndex();
      if (!kept) return boxCaption(editor, f, k) + " would not read back as " + shown + " from the saved file.";
    }
  }
  return std::nullopt;
}

// Why the lines, written as a file, would not load again or would lose an
// edit; nothing when neither.
std::optional<std::string> reloadProblem(const ProfileEditor& editor, int lastCard,
                                         const std::vector<std::string>& lines) {
  const std::string bytes = joinProfileLines(lines, editor.document.lineEnds);
  if (bytes.size() > kLargestProfileFile)
    return "The profile would hold " + groupedNumber(bytes.size()) + " bytes; at most " +
           groupedNumber(kLargestProfileFile) + " are read.";
  const DecodedProfile reloaded = decodeProfile(bytes);
  if (reloaded.error) return "The profile would no longer load.";
  return lostEdit(editor, lastCard, reloaded.values);
}

}  // namespace

bool saveProfile(ProfileEditor& editor) {
  if (!editor.cardFrame[0].enabled()) {
    editor.platform.message(editor.document.lines.empty() && editor.document.lineEnds.empty()
                                ? "No profile loaded. Load a profile file first."
                                : "Nothing to save: this profile holds no Overdrive settings of card 0 (its fan "
                                  "speed algorithm or protocol).",
                            MessageIcon::Information);
    return false;
  }
  int last = 0;
  for (int k = 1; k < kProfileCards; ++k)
    if (editor.cardFrame[k].enabled()) last = k;

  if (const auto empty = emptyNumber(editor, last)) return refuse(editor, *empty);
  auto lines = encodeProfile(editor.document, editor.shownValues(last));
  if (!lines) return refuse(editor);
  if (const auto problem = reloadProblem(editor, last, *lines)) return refuse(editor, *problem);
  // The updated lines stay even when no file is written, as the window
  // shows them anyway.
  editor.document.lines = std::move(*lines);

  const std::string path = askProfileSavePath(editor);
  if (path.empty()) return false;
  const WriteMessage failed{
      "Error writing profile to file. Maybe file system error (HD full/write protected)? - "
      "Debug information: 'WriteProfileToFile(sFile)' reported error."};
  if (!askBeforeReplacing(editor.platform, path, failed)) return false;
  if (const WriteResult written = writeProfileToFile(editor, path); !written) {
    showWriteFailure(editor.platform, written.error(), failed);
    return false;
  }
  editor.platform.showStatus("Saved " + path);
  // The saved file is the one the editor shows now.
  std::vector<Control*> controls;
  editor.collect(controls);
  rememberAsLoaded(controls);
  editor.path = path;
  return true;
}

}  // namespace oza
