// SPDX-License-Identifier: GPL-3.0-or-later

// The version check's temporary file in a temporary folder laid with traps:
// it succeeds, creates no link target, changes no planted file and leaves
// nothing behind, whichever way the check ends.
#include <gtest/gtest.h>

#include "platform/scripted_platform.h"
#include "shell/links.h"
#include "shell/version_check.h"
#include "support/temp_dir.h"
#include "support/temp_trap.h"

namespace oza {
namespace {

// A scripted platform whose temporary folder is the trap, and whose second
// reachability test can fail (the server going away after the first).
class TrapPlatform : public ScriptedPlatform {
 public:
  explicit TrapPlatform(std::string folder) : folder_(std::move(folder)) {}
  std::string tempDirectory() override { return folder_; }
  void testReachable(const std::string& url, std::function<void(bool)> done) override {
    if (++tests_ == 2 && lostAfterFirstTest) return done(false);
    ScriptedPlatform::testReachable(url, std::move(done));
  }
  bool lostAfterFirstTest = false;

 private:
  std::string folder_;
  int tests_ = 0;
};

TEST(VersionCheckTempFile, EveryEndLeavesTheTrapAsItWas) {
  test::TempDir dir;
  const test::TempTrap trap(dir.path());
  const auto run = [&](auto setUp) {
    TrapPlatform platform(trap.folder());
    setUp(platform);
    runVersionCheck(platform, "1.12");
    return platform.messages.empty() ? std::string() : platform.messages.back().title;
  };
  EXPECT_EQ(run([](TrapPlatform& p) { p.pages[downloadPageUrl()] = "Ozarin Bios Editor v1.12"; }),
            "Version up to date");
  EXPECT_EQ(trap.damage(), "");
  EXPECT_EQ(run([](TrapPlatform&) {}), "Unable to check for new version");  // the download fails
  EXPECT_EQ(trap.damage(), "");
  EXPECT_EQ(run([](TrapPlatform& p) { p.lostAfterFirstTest = true; }), "Unable to check for new version");
  EXPECT_EQ(trap.damage(), "");
}

}  // namespace
}  // namespace oza
