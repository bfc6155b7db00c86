#include "session/text_window.h"

namespace oza {

void TextWindow::show(const std::string& caption, const std::string& text) {
  Text1.setText("");
  Form3.setText(caption);
  shown_ = true;
  Text1.setText(text);
}

void TextWindow::unload() {
  shown_ = false;
  Form3.setText("FAQ");
  Text1.setText("");
}

void TextWindow::collect(std::vector<Control*>& out) {
  out.push_back(&Form3);
  out.push_back(&Text1);
  out.push_back(&Command1);
}

}  // namespace oza
