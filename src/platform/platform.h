// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>
#include <vector>

#include "files/file_write_seams.h"

namespace oza {

// Title of every message box that has no title of its own.
inline constexpr const char* kDefaultTitle = "OZA";

enum class MessageIcon { None, Information, Warning, Critical, Error, Question };
enum class MessageButtons { Ok, YesNo, SaveDiscardCancel };
enum class MessageAnswer { Ok, Yes, No, Save, Discard, Cancel };

// What a question asks, for answering it without reading its texts.
enum class MessageQuestion { Other, ReplaceFile, UnsavedEdits };

struct Message {
  std::string title;
  std::string text;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
  MessageQuestion question = MessageQuestion::Other;
};

// What a save is about to change, shown before it is written.
struct SaveReview {
  struct Change {
    std::string what, before, after;
    // Made by the save for the user's edits (the checksum correction and
    // its mark, the fan registers that hold the edited settings) rather
    // than edited: listed after the user's own changes.
    bool bySave = false;
  };
  struct Finding {
    bool error = false;  // else a warning
    std::string rule, detail;
  };
  std::string title;
  std::string summary;  // "3 changes; 1 warning"
  std::vector<Change> changes;
  std::vector<Finding> findings;
};

struct FileFilter {
  std::string name;     // "BIOS files (*.rom; *.bin)"
  std::string pattern;  // "*.rom; *.bin"
};

struct FileDialogRequest {
  std::string title;
  std::vector<FileFilter> filters;  // the first one is selected
  std::string defaultName;
  std::string startFolder;
};

// Everything that leaves the program: message boxes, file dialogs, links.
// The window provides it with Qt; the headless front end and the tests with a
// scripted double. Texts are UTF-8.
class Platform {
 public:
  virtual ~Platform() = default;

  // Shows a message box and waits for the answer.
  virtual MessageAnswer showMessage(const Message& message) = 0;

  // Open and save dialogs; the chosen path, or empty text when cancelled.
  virtual std::string openFileDialog(const FileDialogRequest& request) = 0;
  virtual std::string saveFileDialog(const FileDialogRequest& request) = 0;

  // Shows what a save will change and what the check says of it; true
  // when the user goes on with the save.
  virtual bool confirmSave(const SaveReview& review) = 0;
  // A short word of what just happened ("Saved FILE"), for a status line;
  // nothing to answer.
  virtual void showStatus(const std::string& text) { (void)text; }

  // Opens a URL or a mailto: text in the user's default program.
  virtual bool openUrl(const std::string& url) = 0;

  // Whether a server answers at `url`; `done` runs later, on the window's
  // thread, while the window goes on serving the user.
  virtual void testReachable(const std::string& url, std::function<void(bool)> done) = 0;
  // Downloads `url` into the file `path` that tempFilePath named, written with
  // writeCreatedFile (never through a link); `done(true)` when the whole page
  // arrived.
  virtual void download(const std::string& url, const std::string& path, std::function<void(bool)> done) = 0;
  // The busy (hourglass) pointer while a check runs.
  virtual void setBusy(bool busy) = 0;
  // The system's folder for temporary files; empty when it names none.
  virtual std::string tempDirectory();

  // How the writers of this platform's files flush them and name their
  // temporary files; the system's own unless a test replaces them.
  FileWriteSeams fileWrites;

  MessageAnswer message(const std::string& text, MessageIcon icon = MessageIcon::None,
                        MessageButtons buttons = MessageButtons::Ok, const std::string& title = kDefaultTitle) {
    return showMessage(Message{title, text, icon, buttons});
  }
};

}  // namespace oza
