// SPDX-License-Identifier: GPL-3.0-or-later

#include "profile_editor/profile_editor.h"

#include "platform/platform.h"
#include "profile_editor/profile_loading.h"
#include "profile_editor/profile_saving.h"

namespace oza {

ProfileEditor::ProfileEditor(Platform& platformRef, std::string localAppData)
    : platform(platformRef), localAppData_(std::move(localAppData)) {
  for (int k = 0; k < kProfileCards; ++k) cardFrame[k].setText("Card " + std::to_string(k));
  for (int f = 0; f < kProfileFields; ++f)
    if (isProfileNumberField(f)) field(f).setNumbersOnly(true);
  resetProfileView(*this);
  loadButton.onClick = [this] {
    std::string path;
    loadProfile(*this, path);
  };
  saveButton.onClick = [this] { saveProfile(*this); };
  exitButton.onClick = [this] {
    if (settleProfileEdits(*this)) unload();
  };
  helpLink.onClick = [this] { showHelp(); };
}

const Control* ProfileEditor::frameOf(const Control& control) const {
  for (const ControlArray* array : fields_)
    for (int k = 0; k < kProfileCards; ++k)
      if (&(*array)[k] == &control) return &cardFrame[k];
  return nullptr;
}

void ProfileEditor::showHelp() {
  platform.message(
      "In the XML file ATI's catalyst control center (CCC) saves its profile settings to, there are several "
      "'hidden' features.\r\n"
      "That means there are some settings that can not be modified using the CCC; fan settings for example.\r\n"
      "OZA can load these XML files and enable you to modify the settings easily.\r\n"
      "Please note that for fan control you need to enable overdrive even if you do not overclock.\r\n"
      "Fan speed algorithm needs to be set to manual, also.",
      MessageIcon::Information);
}

bool ProfileEditor::hasUnsavedEdits() {
  if (path.empty()) return false;
  std::vector<Control*> values;
  for (int f = 0; f < kProfileFields; ++f) field(f).collect(values);
  return anyEdited(values);
}

bool settleProfileEdits(ProfileEditor& editor) {
  if (!editor.hasUnsavedEdits()) return true;
  const Message question{"Unsaved changes", "Save the changes to " + editor.path + "?", MessageIcon::Question,
                         MessageButtons::SaveDiscardCancel, MessageQuestion::UnsavedEdits};
  switch (editor.platform.showMessage(question)) {
    case MessageAnswer::Save: return saveProfile(editor);
    case MessageAnswer::Discard: return true;
    default: return false;
  }
}

void ProfileEditor::collect(std::vector<Control*>& out) {
  out.push_back(&window);
  cardFrame.collect(out);
  for (ControlArray* array : fields_) array->collect(out);
  for (Control* c : {&loadButton, &saveButton, &exitButton, &helpLink}) out.push_back(c);
}

void resetProfileView(ProfileEditor& editor) {
  for (int k = 0; k < kProfileCards; ++k) {
    editor.cardFrame[k].setEnabled(false);
    for (int f = 0; f < kProfileFields; ++f) {
      Control& box = editor.field(f)[k];
      box.setEnabled(true);
      box.setToolTip("");
      if (isProfileNumberField(f)) {
        box.setText("");
        continue;
      }
      box.clearItems();
      for (const char* entry : profileListEntries(f)) box.addItem(entry);
    }
  }
}

}  // namespace oza
