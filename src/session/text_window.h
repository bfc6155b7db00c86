// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "controls/control.h"

namespace oza {

// The shared text window: a caption, one multi-line text and an OK
// button that closes it. It shows the FAQ, the help texts and the GDDR5
// size warning.
class TextWindow {
 public:
  Control window{"Form3", ControlKind::Form, "FAQ"};
  Control text{"Text1", ControlKind::TextBox};
  Control okButton{"Command1", ControlKind::CommandButton, "OK"};

  bool shown() const { return shown_; }
  // Empties the text, sets the caption, shows the window, then sets the text.
  void show(const std::string& caption, const std::string& body);
  // Closing returns the window to its design-time state.
  void unload();

  void collect(std::vector<Control*>& out);

 private:
  bool shown_ = false;
};

}  // namespace oza
