// Profile loading and saving on arbitrary text. The first byte chooses a few
// edits; a save without edits must give back every line byte for byte.
#include <string>
#include <vector>

#include "fuzz_files.h"
#include "image/file_io.h"
#include "platform/scripted_platform.h"
#include "profiles/profile_editor.h"
#include "profiles/profile_lines.h"
#include "profiles/profile_loading.h"
#include "profiles/profile_saving.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  static const std::string path = oza::fuzz::scratchPath("Profiles.xml");
  static const std::string target = oza::fuzz::scratchPath("saved.xml");
  oza::fuzz::writeScratch(path, data + 1, size - 1);
  oza::DeleteFile(target);

  oza::ScriptedPlatform platform;
  platform.defaultAnswer = oza::MessageAnswer::Yes;
  oza::ProfileEditor editor(platform, "");
  std::string file = path;
  if (!oza::LoadProfile(editor, file)) return 0;
  const std::vector<std::string> loaded = editor.ProfileLines;

  const int edits = data[0] & 7;
  std::vector<oza::Control*> controls;
  editor.collect(controls);
  for (int e = 0; e < edits; ++e) {
    oza::Control& control = *controls[(data[0] * 31u + static_cast<unsigned>(e) * 17u) % controls.size()];
    if (control.kind() == oza::ControlKind::TextBox) control.setText(std::to_string(e * 37));
    if (control.kind() == oza::ControlKind::ComboBox) control.setListIndex(e % 2 == 0 ? 0 : -1);
  }
  platform.queueSavePath(target);
  if (!oza::SaveProfile(editor)) return 0;
  std::string saved;
  if (!oza::readWholeFile(target, saved)) oza::fuzz::violated("the saved profile cannot be read");
  if (edits == 0 && saved != oza::joinProfileLines(loaded)) oza::fuzz::violated("an unedited save changed lines");
  return 0;
}
