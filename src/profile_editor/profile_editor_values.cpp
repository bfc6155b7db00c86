// SPDX-License-Identifier: GPL-3.0-or-later

// Between the decoded values of a profile and the boxes that show them.
#include "profile_editor/profile_editor.h"

namespace oza {

void ProfileEditor::showValues(const ProfileValues& values) {
  for (int k = 0; k < kProfileCards; ++k) {
    for (int f = 0; f < kProfileFields; ++f) {
      const ProfileValue& value = values[static_cast<std::size_t>(f)][static_cast<std::size_t>(k)];
      Control& box = field(f)[k];
      if (isProfileNumberField(f))
        box.setText(value.number.value_or(""));
      else
        box.setListIndex(value.entry.value_or(-1));
    }
  }
}

ProfileValues ProfileEditor::shownValues(int lastCard) const {
  ProfileValues values;
  for (int k = 0; k <= lastCard && k < kProfileCards; ++k) {
    for (int f = 0; f < kProfileFields; ++f) {
      ProfileValue& value = values[static_cast<std::size_t>(f)][static_cast<std::size_t>(k)];
      const Control& box = field(f)[k];
      // A box that still shows what was loaded keeps its line's bytes.
      if (box.showsLoaded()) continue;
      if (isProfileNumberField(f))
        value.number = box.text();
      else if (box.listIndex() >= 0)
        value.entry = box.listIndex();
    }
  }
  return values;
}

void ProfileEditor::enableCardsWithFanSettings() {
  for (int k = 0; k < kProfileCards; ++k) {
    const auto card = static_cast<std::size_t>(k);
    cardFrame[k].setEnabled(document.valueLines[kAlgorithmField][card].has_value() ||
                            document.valueLines[kProtocolField][card].has_value());
    if (!cardFrame[k].enabled()) continue;
    // A box whose line a save cannot write would take an edit and lose it.
    for (int f = 0; f < kProfileFields; ++f) {
      if (canWriteValue(document, f, k)) continue;
      field(f)[k].setEnabled(false);
      field(f)[k].setToolTip("The profile holds no value of this setting that can be changed.");
    }
  }
}

}  // namespace oza
