// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <string>

#include "profile_editor/profile_editor.h"
#include "ui/binder.h"
#include "ui/qt_platform.h"

class QGroupBox;

namespace oza::ui {

// The profile editor window: a top-level window of its own that owns
// the profile it shows. Files dropped on it are loaded as profiles, whatever
// their extension.
class ProfileEditorWindow : public QWidget {
  Q_OBJECT
 public:
  // `platform` stands in for the window's own message boxes and dialogs.
  explicit ProfileEditorWindow(Platform* platform = nullptr);

  ProfileEditor& editor() { return editor_; }

  // Loads a profile file as if it had been dropped on the window.
  void load(const std::string& path);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QGroupBox* buildFrame(int card);
  void afterSync();

  QtPlatform platform_;
  ProfileEditor editor_;
  Binder binder_;
};

}  // namespace oza::ui
