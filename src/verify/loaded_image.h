#pragma once

#include <memory>
#include <string>

#include "platform/scripted_platform.h"
#include "session/session.h"

namespace oza {

// An image loaded headless through the same load pipeline as the window:
// questions are answered No, dialogs cancelled, messages recorded. A load
// that fails keeps the bytes it read, if any, for the checks that need none
// of the readers.
class LoadedImage {
 public:
  explicit LoadedImage(std::string path);
  LoadedImage(const LoadedImage&) = delete;
  LoadedImage& operator=(const LoadedImage&) = delete;

  const std::string& path() const { return path_; }
  bool loaded() const { return loaded_; }
  // The message the failed load showed; empty after a load.
  const std::string& failure() const { return failure_; }
  const Session& session() const { return *session_; }
  Session& session() { return *session_; }
  const ByteImage& bytes() const { return session_->image; }
  const std::vector<Message>& messages() const { return platform_.messages; }
  // What answers the session's questions and dialogs (a save's path, say).
  ScriptedPlatform& platform() { return platform_; }

 private:
  std::string path_;
  ScriptedPlatform platform_;
  std::unique_ptr<Session> session_;
  bool loaded_ = false;
  std::string failure_;
};

}  // namespace oza
