// SPDX-License-Identifier: GPL-3.0-or-later

// Temporary files in a folder other users share: names nobody can guess,
// created only where nothing exists (not even a link to nowhere), private to
// the user, written without following a link swapped in later.
#include "platform/temp_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <regex>
#include <sys/stat.h>

#include "platform/scripted_platform.h"
#include "shell/version_check.h"
#include "support/temp_dir.h"
#include "support/temp_trap.h"

namespace oza {
namespace {

namespace fs = std::filesystem;

mode_t modeOf(const std::string& path) {
  struct stat status {};
  EXPECT_EQ(::lstat(path.c_str(), &status), 0);
  return status.st_mode & 07777;
}

TEST(TempFile, NamesAreUnpredictableAndTheFilePrivate) {
  test::TempDir dir;
  const std::string first = createTempFile(dir.path(), "OZAZ");
  const std::string second = createTempFile(dir.path(), "OZA");
  const std::regex pattern("OZA[0-9a-f]{16}\\.tmp");
  for (const auto& path : {first, second}) {
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(fs::path(path).parent_path(), fs::path(dir.path()));
    EXPECT_TRUE(std::regex_match(fs::path(path).filename().string(), pattern)) << path;
    EXPECT_EQ(modeOf(path), 0600u);
    EXPECT_EQ(fs::file_size(path), 0u);
  }
  EXPECT_NE(first, second);
  EXPECT_EQ(createTempFile(dir.file("missing"), "OZA"), "");
}

TEST(TempFile, NeverOpensATakenNameNorALink) {
  test::TempDir dir;
  test::TempTrap trap(dir.path());
  // The first draws meet a link to nowhere and a planted file.
  trap.plant("OZA0000000000000001.tmp", "OZA0000000000000002.tmp");
  FileWriteSeams seams;
  std::uint64_t draw = 1;
  seams.randomBits = [&draw] { return draw++; };
  const std::string path = createTempFile(dir.path(), "OZA", seams);
  EXPECT_EQ(fs::path(path).filename(), "OZA0000000000000003.tmp");
  ASSERT_TRUE(writeCreatedFile(path, "page"));
  EXPECT_EQ(test::readText(path), "page");
  fs::remove(path);
  EXPECT_EQ(trap.damage(), "");

  // Every draw taken: no file rather than a file someone else chose.
  seams.randomBits = [] { return std::uint64_t{2}; };
  EXPECT_EQ(createTempFile(dir.path(), "OZA", seams), "");
  EXPECT_EQ(trap.damage(), "");
}

TEST(TempFile, WritingRefusesANameSwappedForALink) {
  test::TempDir dir;
  test::writeText(dir.file("precious"), "not yours");
  const std::string path = createTempFile(dir.path(), "OZA");
  fs::remove(path);
  fs::create_symlink(dir.file("victim"), path);
  EXPECT_FALSE(writeCreatedFile(path, "page"));
  fs::remove(path);
  fs::create_symlink(dir.file("precious"), path);
  EXPECT_FALSE(writeCreatedFile(path, "page"));
  EXPECT_FALSE(fs::exists(dir.file("victim")));
  EXPECT_EQ(test::readText(dir.file("precious")), "not yours");
  fs::remove(path);
  fs::create_directory(path);
  EXPECT_FALSE(writeCreatedFile(path, "page"));
}

// Sets an environment variable for one test, and puts it back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class NoTempFolderPlatform : public ScriptedPlatform {
 public:
  std::string tempDirectory() override { return {}; }
};

TEST(TempFile, WithoutASystemFolderTheUsersOwnOneIsUsedNotTheCurrentFolder) {
  test::TempDir home;
  const ScopedEnv runtime("XDG_RUNTIME_DIR", nullptr);
  const ScopedEnv homeVariable("HOME", home.path().c_str());
  NoTempFolderPlatform platform;
  const std::string folder = tempFolder(platform);
  EXPECT_EQ(folder, home.file(".cache/oza"));
  EXPECT_EQ(modeOf(folder), 0700u);
  const std::string path = tempFilePath(platform, "OZA");
  EXPECT_EQ(fs::path(path).parent_path(), fs::path(folder));

  // A folder others may enter, or a link, is not the user's own.
  fs::remove_all(folder);
  fs::create_symlink(home.path(), folder);
  EXPECT_EQ(tempFolder(platform), "");
  EXPECT_EQ(tempFilePath(platform, "OZA"), "");
}

}  // namespace
}  // namespace oza
