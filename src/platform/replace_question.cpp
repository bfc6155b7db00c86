// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/replace_question.h"

#include "files/write_target.h"

namespace oza {

namespace {

void showFailed(Platform& platform, const WriteMessage& failed, const std::string& reason) {
  platform.message(withReason(failed.text, reason), failed.icon, MessageButtons::Ok, failed.title);
}

}  // namespace

bool askBeforeReplacing(Platform& platform, const std::string& path, const WriteMessage& failed) {
  const auto target = resolveWriteTarget(path);
  if (!target && target.error().problem != TargetProblem::NoFolder) {
    showFailed(platform, failed, targetFailureText(target.error()));
    return false;
  }
  const auto taken = nameTaken(path);
  if (!taken) {
    showFailed(platform, failed, targetFailureText(taken.error()));
    return false;
  }
  if (!*taken) return true;
  const Message question{"File exists.", "File exists. Overwrite?", MessageIcon::None, MessageButtons::YesNo,
                         MessageQuestion::ReplaceFile};
  if (platform.showMessage(question) != MessageAnswer::Yes) return false;
  if (target && target->existing && (target->existing->st_mode & S_IWUSR) == 0) {
    showCannotOverwrite(platform);
    return false;
  }
  return true;
}

void showWriteFailure(Platform& platform, const WriteFailure& failure, const WriteMessage& failed) {
  if (failure.problem == WriteProblem::CannotReplace && failed.cannotReplaceIsWriteError)
    return showCannotOverwrite(platform);
  showFailed(platform, failed, failure.problem == WriteProblem::Refused ? failure.reason : std::string());
}

void showCannotOverwrite(Platform& platform) {
  platform.message("Unable to overwrite file. Maybe write protected or in use by other program?", MessageIcon::Error,
                   MessageButtons::Ok, "Write error");
}

}  // namespace oza
