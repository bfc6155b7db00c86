// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/scripted_platform.h"

#include "platform/temp_file.h"

namespace oza {

namespace {
std::string takeNext(std::deque<std::string>& queue) {
  if (queue.empty()) return {};
  std::string next = queue.front();
  queue.pop_front();
  return next;
}
}  // namespace

MessageAnswer ScriptedPlatform::showMessage(const Message& message) {
  messages.push_back(message);
  if (onMessage) onMessage(message);
  if (message.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (message.buttons == MessageButtons::SaveDiscardCancel) {
    const auto isOwn = [](MessageAnswer a) {
      return a == MessageAnswer::Save || a == MessageAnswer::Discard || a == MessageAnswer::Cancel;
    };
    if (answers_.empty() || !isOwn(answers_.front())) return unsavedEditsAnswer;
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  if (answers_.empty()) return defaultAnswer;
  MessageAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::string ScriptedPlatform::openFileDialog(const FileDialogRequest& request) {
  openDialogs.push_back(request);
  return takeNext(openPaths_);
}

std::string ScriptedPlatform::saveFileDialog(const FileDialogRequest& request) {
  saveDialogs.push_back(request);
  return takeNext(savePaths_);
}

bool ScriptedPlatform::openUrl(const std::string& url) {
  openedUrls.push_back(url);
  return urlsOpen;
}

void ScriptedPlatform::testReachable(const std::string&, std::function<void(bool)> done) { done(!unreachable); }

void ScriptedPlatform::download(const std::string& url, const std::string& path, std::function<void(bool)> done) {
  const auto page = pages.find(url);
  if (unreachable || page == pages.end()) {
    done(false);
    return;
  }
  const bool written = writeCreatedFile(path, page->second);
  downloads.push_back(path);
  done(written);
}

std::vector<std::string> ScriptedPlatform::messageTexts() const {
  std::vector<std::string> texts;
  for (const Message& message : messages) texts.push_back(message.text);
  return texts;
}

}  // namespace oza
