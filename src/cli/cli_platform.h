// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/scripted_platform.h"

namespace oza {

// Questions are answered by --answer, the overwrite question by --force.
class CliPlatform : public ScriptedPlatform {
 public:
  CliPlatform(MessageAnswer answer, bool force) : force_(force) { defaultAnswer = answer; }
  MessageAnswer showMessage(const Message& message) override {
    if (message.question == MessageQuestion::ReplaceFile) queueAnswer(force_ ? MessageAnswer::Yes : MessageAnswer::No);
    return ScriptedPlatform::showMessage(message);
  }

 private:
  bool force_;
};

}  // namespace oza
