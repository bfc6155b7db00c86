#include "files/replace_question.h"

#include "files/file_io.h"
#include "platform/platform.h"

namespace oza {

bool askBeforeReplacing(Platform& platform, const std::string& path) {
  if (!fileExists(path)) return true;
  const Message question{"File exists.", "File exists. Overwrite?", MessageIcon::None, MessageButtons::YesNo,
                         MessageQuestion::ReplaceFile};
  if (platform.showMessage(question) != MessageAnswer::Yes) return false;
  if (!canReplaceFile(path)) {
    showCannotOverwrite(platform);
    return false;
  }
  return true;
}

void showCannotOverwrite(Platform& platform) {
  platform.message("Unable to overwrite file. Maybe write protected or in use by other program?", MessageIcon::Error,
                   MessageButtons::Ok, "Write error");
}

}  // namespace oza
