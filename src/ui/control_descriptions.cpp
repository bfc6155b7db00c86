// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/control_descriptions.h"

#include "keys/value_keys.h"
#include "profile_editor/profile_editor.h"
#include "session/session.h"
#include "ui/binder.h"

namespace oza::ui {

void describeControls(Binder& binder, Session& session) {
  for (const ValueKey& entry : valueKeys())
    for (int i = 0; i < entry.count && !entry.control.empty(); ++i)
      for (const std::string& name : entry.controlNames(i))
        if (const Control* control = session.findControl(name))
          binder.describe(*control, toQt(keyDescription({&entry, i})));
  MainForm& f = session.form();
  FanTab& fan = f.fan;
  const struct {
    const Control* control;
    const char* description;
  } others[] = {
      {&f.clockTabButton, "The clock infos (GPU clock, memory clock and voltage), the lock and the PowerPlay states"},
      {&f.fanTabButton, "The fan controller's settings and its curve"},
      {&f.infoTabButton, "The image's texts, IDs, checksum and memory"},
      {&f.clock.stateList,
       "The PowerPlay states. Hold the mouse button on one to see the clock infos it uses: green low, yellow "
       "medium, red high"},
      {&f.clock.bandScroll, "Scrolls the clock infos"},
      {&f.loadedFile, "The file of the image the window shows"},
      {&f.info.pciImages,
       "The images of the file's PCI option ROM chain (the AtomBIOS image first, often an EFI image after it) and "
       "the bytes after them, which some cards need (memory set-up data)"},
      {&fan.type1StepGraph, "Draws the look-up table as steps"},
      {&fan.type2StepGraph, "Draws the look-up table as steps"},
      {&fan.type1ContinuousGraph, "Draws the look-up table as a continuous line"},
      {&fan.type2ContinuousGraph, "Draws the look-up table as a continuous line"},
      {&fan.type1Picture, "The fan curve: drag a point (or the knee, or the end of the rise) to move it"},
      {&fan.type2Picture, "The fan curve: drag a point to move it"},
  };
  for (const auto& other : others) binder.describe(*other.control, QString::fromUtf8(other.description));
}

void describeControls(Binder& binder, ProfileEditor& editor) {
  for (int f = 0; f < kProfileFields; ++f)
    for (int k = 0; k < kProfileCards; ++k)
      binder.describe(editor.field(f)[k], QString::fromUtf8(kProfileFieldTable[static_cast<std::size_t>(f)].meaning) +
                                              QStringLiteral(" (card %1)").arg(k));
}

}  // namespace oza::ui
