// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <string>

#include "image/byte_image.h"

class QLabel;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace oza {
struct LoadedImage;
}

namespace oza::ui {

// "Tables...": the data and command tables of the loaded image and its
// memory modules as a tree, the selected one's bytes as hex and text beside
// it. Read-only; it follows the image the main window shows.
class TablesWindow : public QDialog {
  Q_OBJECT
 public:
  explicit TablesWindow(QWidget* parent = nullptr);

  // Shows the tables of `image` (none: empty) unless they are shown already.
  void follow(const LoadedImage* image);

  QTreeWidget* tree() const { return tree_; }
  QPlainTextEdit* bytesView() const { return bytes_; }
  // The tree as tab-separated lines, indented by level, onto the clipboard.
  void copyAsText();
  // The selected row and its bytes onto the clipboard.
  void copySelection();

 private:
  void rebuild(const LoadedImage& image);
  void showBytes();

  QTreeWidget* tree_ = nullptr;
  QPlainTextEdit* bytes_ = nullptr;
  QLabel* summary_ = nullptr;
  std::string path_;
  ByteImage image_;
};

}  // namespace oza::ui
