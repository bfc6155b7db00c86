#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace oza {

// A platform without a screen: records every message and dialog, answers
// questions and dialogs from a script. Used by the headless front end and by
// the tests.
class ScriptedPlatform : public Platform {
 public:
  MessageAnswer showMessage(const Message& message) override;
  std::string openFileDialog(const FileDialogRequest& request) override;
  std::string saveFileDialog(const FileDialogRequest& request) override;
  bool openUrl(const std::string& url) override;

  // Yes/No questions take the next scripted answer, else defaultAnswer.
  void queueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
  MessageAnswer defaultAnswer = MessageAnswer::No;

  // Dialogs take the next scripted path, else empty text (cancel).
  void queueOpenPath(const std::string& path) { openPaths_.push_back(path); }
  void queueSavePath(const std::string& path) { savePaths_.push_back(path); }

  // Runs while a message is open, before it is answered.
  std::function<void(const Message&)> onMessage;

  std::vector<Message> messages;
  std::vector<FileDialogRequest> openDialogs;
  std::vector<FileDialogRequest> saveDialogs;
  std::vector<std::string> openedUrls;

 private:
  std::deque<MessageAnswer> answers_;
  std::deque<std::string> openPaths_;
  std::deque<std::string> savePaths_;
};

}  // namespace oza
