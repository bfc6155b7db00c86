// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <deque>
#include <functional>
#include <map>
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
  void testReachable(const std::string& url, std::function<void(bool)> done) override;
  void download(const std::string& url, const std::string& path, std::function<void(bool)> done) override;
  void setBusy(bool busy) override { busyChanges.push_back(busy); }
  bool confirmSave(const SaveReview& review) override {
    reviews.push_back(review);
    return confirmSaves;
  }
  void showStatus(const std::string& text) override { statuses.push_back(text); }
  std::vector<std::string> statuses;
  // The reviews shown, and how each is answered.
  std::vector<SaveReview> reviews;
  bool confirmSaves = true;

  // Yes/No questions take the next scripted answer, else defaultAnswer;
  // Save/Discard/Cancel questions the next scripted one of theirs, else
  // unsavedEditsAnswer.
  void queueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
  MessageAnswer defaultAnswer = MessageAnswer::No;
  MessageAnswer unsavedEditsAnswer = MessageAnswer::Discard;

  // Dialogs take the next scripted path, else empty text (cancel).
  void queueOpenPath(const std::string& path) { openPaths_.push_back(path); }
  void queueSavePath(const std::string& path) { savePaths_.push_back(path); }

  // Runs while a message is open, before it is answered.
  std::function<void(const Message&)> onMessage;

  std::vector<Message> messages;
  // The texts of `messages`, in their order.
  std::vector<std::string> messageTexts() const;
  std::vector<FileDialogRequest> openDialogs;
  std::vector<FileDialogRequest> saveDialogs;
  std::vector<std::string> openedUrls;
  bool urlsOpen = true;  // whether a program takes the URLs
  std::vector<bool> busyChanges;

  // Network: every URL is reachable unless `unreachable`; a download gives
  // the page scripted for its URL, or fails when there is none.
  bool unreachable = false;
  std::map<std::string, std::string> pages;
  std::vector<std::string> downloads;  // the files downloads were written to

 private:
  std::deque<MessageAnswer> answers_;
  std::deque<std::string> openPaths_;
  std::deque<std::string> savePaths_;
};

}  // namespace oza
