#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/control.h"
#include "fan/fan_location.h"
#include "image/byte_image.h"
#include "image/info_strings.h"
#include "platform/platform.h"
#include "powerplay/clock_location.h"
#include "session/main_form.h"
#include "session/text_window.h"

namespace oza {

// One run of the editor: the loaded image, what the load found in it, and the
// state of the main window and the text window. The main window owns it and
// hands it to every operation; nothing of it is global.
class Session {
 public:
  explicit Session(Platform& platform);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Platform& platform;

  // The image as loaded; a save patches a copy of it, so that it is a
  // function of these bytes and the controls alone.
  ByteImage image;
  InfoStrings strings;
  std::uint16_t cardId = 0;  // set by each load
  std::int32_t loadedCheckSum = 0;
  FanLocation fanLocation;
  FanCard fanCard;         // the card tests of the last load
  ClockLocation clockLocation;  // where the load found the clock info records
  int clockRecords = 0;         // records counted there (not capped)

  MainForm form{fanLocation};  // the main window
  TextWindow textWindow;

  // The controls of the main window, and one of them by its name.
  std::vector<Control*> controls();
  Control* findControl(const std::string& name);

  // The window's first steps: the information tab, the caption, the locked
  // empty clock tab and the two ID lists.
  void start();

  // FAQ of the Info menu in the text window.
  void showFaq();
  // "Check for new OZA version...".
  void checkForNewVersion();

 private:
  bool versionCheckRunning_ = false;
};

// The running version as text: major "." minor revision (1.1.0.2 -> "1.12").
std::string versionText(int major, int minor, int revision);
std::string runningVersionText();

}  // namespace oza
