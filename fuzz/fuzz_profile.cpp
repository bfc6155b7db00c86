// SPDX-License-Identifier: GPL-3.0-or-later

// Profile loading and saving on arbitrary text. The first byte chooses a few
// edits, some made as oza-cli's --set and --select make them, with texts
// drawn from the input. A save changes nothing but the quoted values of the
// recorded value lines: every other byte of the file comes back as it was,
// all of it when nothing was edited, and the saved file loads again.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "controls/control_edits.h"
#include "fuzz_files.h"
#include "files/file_io.h"
#include "platform/scripted_platform.h"
#include "profile_editor/profile_editor.h"
#include "profiles/profile_lines.h"
#include "profile_editor/profile_loading.h"
#include "profile_editor/profile_saving.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  static const std::string path = oza::fuzz::scratchPath("Profiles.xml");
  static const std::string target = oza::fuzz::scratchPath("saved.xml");
  oza::fuzz::writeScratch(path, data + 1, size - 1);
  std::error_code removed;
  std::filesystem::remove(target, removed);

  oza::ScriptedPlatform platform;
  platform.defaultAnswer = oza::MessageAnswer::Yes;
  oza::ProfileEditor editor(platform, "");
  std::string file = path;
  if (!oza::loadProfile(editor, file)) return 0;
  const std::vector<std::string> loaded = editor.document.lines;

  const unsigned edits = data[0] & 7u;
  std::vector<oza::Control*> controls;
  editor.collect(controls);
  for (unsigned e = 0; e < edits; ++e) {
    oza::Control& control = *controls[(data[0] * 31u + e * 17u) % controls.size()];
    if ((data[0] & 8) && size > 1) {
      // A text of the input after its first byte, as a script would give it.
      std::string value(reinterpret_cast<const char*>(data + 1 + e % (size - 1)),
                        std::min<std::size_t>(size - 1 - e % (size - 1), 12));
      const auto kind =
          control.kind() == oza::ControlKind::ComboBox ? oza::ControlEdit::Kind::Select : oza::ControlEdit::Kind::Set;
      if (const auto edit = oza::parseEdit(kind, control.name() + "=" + value)) (void)oza::applyEdit(controls, *edit);
      continue;
    }
    if (control.kind() == oza::ControlKind::TextBox) control.setText(std::to_string(e * 37));
    if (control.kind() == oza::ControlKind::ComboBox) control.setListIndex(e % 2 == 0 ? 0 : -1);
  }
  bool edited = false;
  for (const oza::Control* control : controls) edited = edited || !control->showsLoaded();
  platform.queueSavePath(target);
  if (!oza::saveProfile(editor)) return 0;
  const auto read = oza::readProfileFile(target);
  if (!read) oza::fuzz::violated("the saved profile cannot be read");
  const std::string& saved = *read;
  if (!edited && saved != std::string(reinterpret_cast<const char*>(data + 1), size - 1))
    oza::fuzz::violated("an unedited save changed the file");
  oza::ProfileEditor again(platform, "");
  std::string reloaded = target;
  if (!oza::loadProfile(again, reloaded)) oza::fuzz::violated("the saved profile does not load again");
  const std::vector<std::string> lines = oza::splitProfileLines(saved);
  if (lines.size() != loaded.size()) oza::fuzz::violated("the save changed the number of lines");
  std::vector<bool> valueLine(loaded.size(), false);
  for (const auto& field : editor.document.valueLines)
    for (const auto& line : field)
      if (line) valueLine[*line] = true;
  for (std::size_t i = 0; i < loaded.size(); ++i) {
    if (lines[i] == loaded[i]) continue;
    if (!valueLine[i]) oza::fuzz::violated("a line without a recorded value changed");
    // Outside the quotes of the value, the line is as it was.
    const auto before = oza::findQuotedValue(loaded[i]);
    const auto after = oza::findQuotedValue(lines[i]);
    if (!before || !after || before->start != after->start ||
        loaded[i].substr(before->start + before->length) != lines[i].substr(after->start + after->length))
      oza::fuzz::violated("a value line changed outside its quotes");
  }
  return 0;
}
