// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/cli_platform.h"

#include <gtest/gtest.h>

namespace oza {
namespace {

// --force answers the question whether to replace a file, whatever its
// wording; every other question gets the --answer.
TEST(CliPlatform, ForceAnswersTheReplaceQuestionByWhatItIs) {
  const Message replace{"Anything", "Replace it?", MessageIcon::None, MessageButtons::YesNo,
                        MessageQuestion::ReplaceFile};
  const Message other{"File exists.", "File exists. Overwrite?", MessageIcon::None, MessageButtons::YesNo};
  CliPlatform forced(MessageAnswer::No, true);
  EXPECT_EQ(forced.showMessage(replace), MessageAnswer::Yes);
  EXPECT_EQ(forced.showMessage(other), MessageAnswer::No);
  CliPlatform careful(MessageAnswer::Yes, false);
  EXPECT_EQ(careful.showMessage(replace), MessageAnswer::No);
  EXPECT_EQ(careful.showMessage(other), MessageAnswer::Yes);
}

}  // namespace
}  // namespace oza
