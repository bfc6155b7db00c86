// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/text_window.h"

namespace oza {

void TextWindow::show(const std::string& caption, const std::string& body) {
  text.setText("");
  window.setText(caption);
  shown_ = true;
  text.setText(body);
}

void TextWindow::unload() {
  shown_ = false;
  window.setText("FAQ");
  text.setText("");
}

void TextWindow::collect(std::vector<Control*>& out) {
  out.push_back(&window);
  out.push_back(&text);
  out.push_back(&okButton);
}

}  // namespace oza
