// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/control.h"
#include "document/loaded_image.h"
#include "platform/platform.h"
#include "session/edit_history.h"
#include "session/main_form.h"
#include "session/text_window.h"

namespace oza {

// One run of the editor: the image it shows and the state of the main window
// and the text window. The main window owns it and hands it to every
// operation; nothing of it is global.
class Session {
 public:
  explicit Session(Platform& platform);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Platform& platform() const { return platform_; }
  MainForm& form() { return form_; }
  const MainForm& form() const { return form_; }
  TextWindow& textWindow() { return textWindow_; }

  // The image the window shows, as loaded; none before the first load. A
  // save writes a copy of its bytes, so that a save is a function of this
  // image and the controls alone.
  const LoadedImage* image() const { return image_.get(); }
  // Puts a newly loaded image in place, in one step, and shows it in every
  // tab: what the window showed before is gone only now.
  void show(LoadedImage image);

  // The controls of the main window, and one of them by its name.
  std::vector<Control*> controls();
  Control* findControl(const std::string& name);
  // The controls that hold the image's values and the state their rules give
  // the window (which boxes are enabled, ...); not those that only choose what
  // the window shows (the tab, the scrolled band, the graph type, the state
  // list's selection).
  std::vector<Control*> editControls();

  // Whether the controls hold values other than the image's, as loaded or as
  // last saved.
  bool hasUnsavedEdits();
  // The user's edits as steps; a load or a save starts it anew.
  EditHistory& history() { return history_; }

  // Where a file dialog starts: the loaded file's folder, else the folder of
  // the last file a dialog gave.
  std::string dialogFolder() const;
  // Takes note of a file a dialog gave.
  void rememberDialogPath(const std::string& path);

  // Asks for the focus of a control (the box a save refused), for the window
  // to give it; the front end takes it once.
  void requestFocus(Control& control) { focusRequest_ = &control; }
  Control* takeFocusRequest() { return std::exchange(focusRequest_, nullptr); }

  // The window's first steps: the information tab, the caption, the locked
  // empty clock tab and the two ID lists.
  void start();

  // FAQ of the Info menu in the text window.
  void showFaq();
  // "Check for new OZA version...".
  void checkForNewVersion();

 private:
  void showFanSettings(const FanReading& fan);

  Platform& platform_;
  std::shared_ptr<const LoadedImage> image_;
  MainForm form_;
  TextWindow textWindow_;
  EditHistory history_;
  Control* focusRequest_ = nullptr;
  std::string lastFolder_;
  bool versionCheckRunning_ = false;
};

// The running version as text: major "." minor revision (1.1.0.2 -> "1.12").
std::string versionText(int major, int minor, int revision);
std::string runningVersionText();

}  // namespace oza
