// SPDX-License-Identifier: GPL-3.0-or-later

// The replacing write itself: what the replaced file keeps, the rights of a
// new one, names at the edge of what a folder takes, and the ways it gives up.
#include "files/file_replacing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace oza {
namespace {

namespace fs = std::filesystem;

struct stat statOf(const std::string& path) {
  struct stat status {};
  EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
  return status;
}

TEST(ReplaceFile, KeepsRightsOwnerAndGroupOfTheReplacedFileFromTheFlushOn) {
  test::TempDir dir;
  const std::string target = dir.file("card.rom");
  test::writeText(target, "old");
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  const bool root = ::geteuid() == 0;
  // As with a save run through sudo over a user's file.
  if (root) {
    ASSERT_EQ(::chown(target.c_str(), 65534, 65534), 0);
  }

  FileWriteSeams seams;
  bool flushed = false;
  seams.flush = [&](int descriptor) {
    // Rights are in place before the data goes to storage, so a crash
    // cannot leave the new file with the temporary's private rights.
    struct stat status {};
    EXPECT_EQ(::fstat(descriptor, &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(test::readText(target), "old");
    flushed = true;
    return true;
  };
  ASSERT_TRUE(replaceFile(target, "new bytes", seams));
  EXPECT_TRUE(flushed);
  EXPECT_EQ(test::readText(target), "new bytes");
  const struct stat after = statOf(target);
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(after.st_uid, 65534u);
    EXPECT_EQ(after.st_gid, 65534u);
  }
}

TEST(ReplaceFile, GivesANewFileTheUsualRightsUnderTheUmask) {
  test::TempDir dir;
  for (const mode_t mask : {mode_t{022}, mode_t{077}}) {
    const mode_t previous = ::umask(mask);
    const std::string target = dir.file("new" + std::to_string(mask));
    EXPECT_TRUE(replaceFile(target, "x"));
    ::umask(previous);
    EXPECT_EQ(statOf(target).st_mode & 07777, 0666u & ~mask);
  }
}

TEST(ReplaceFile, TakesTheLongestNameAFolderAllows) {
  test::TempDir dir;
  const std::string target = dir.file(std::string(255, 'n'));
  test::writeText(target, "old");
  EXPECT_TRUE(replaceFile(target, "new"));
  EXPECT_EQ(test::readText(target), "new");
  EXPECT_EQ(test::listDir(dir.path()).size(), 1u);
}

TEST(ReplaceFile, GivesUpWithoutTouchingAnything) {
  test::TempDir dir;
  const std::string target = dir.file("card.rom");
  test::writeText(target, "old");

  // Every name it may draw is taken.
  FileWriteSeams seams;
  seams.randomBits = [] { return std::uint64_t{7}; };
  const std::string taken = dir.file("card.rom.oza-0000000000000007.tmp");
  test::writeText(taken, "someone else's");
  EXPECT_FALSE(replaceFile(target, "new", seams));
  EXPECT_EQ(test::readText(taken), "someone else's");

  // A loop of links, an empty path, a name that is a folder.
  fs::create_symlink("loop-b", dir.file("loop-a"));
  fs::create_symlink("loop-a", dir.file("loop-b"));
  EXPECT_FALSE(replaceFile(dir.file("loop-a"), "new"));
  EXPECT_FALSE(replaceFile("", "new"));
  EXPECT_FALSE(replaceFile(dir.path() + "/", "new"));

  EXPECT_EQ(test::readText(target), "old");
  EXPECT_EQ(test::listDir(dir.path()).size(), 4u);
}

// Another program that changes the name while the new file is written keeps
// its change, and the reason says so instead of blaming the disk.
TEST(ReplaceFile, ANameChangedMeanwhileIsLeftAndSaysHow) {
  const struct {
    std::function<void(const std::string&)> change;
    std::string reason;
  } cases[] = {
      {[](const std::string& target) {
         test::writeText(target + ".other", "other");
         fs::rename(target + ".other", target);
       },
       "was replaced by another program while the new file was written"},
      {[](const std::string& target) { fs::remove(target); }, "was removed by another program"},
      {[](const std::string& target) {
         fs::remove(target);
         fs::create_symlink("elsewhere", target);
       },
       "became a symbolic link while"},
  };
  for (const auto& c : cases) {
    test::TempDir dir;
    const std::string target = dir.file("card.rom");
    test::writeText(target, "old");
    FileWriteSeams seams;
    seams.flush = [&](int) {
      c.change(target);
      return true;
    };
    const WriteResult written = replaceFile(target, "new", seams);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().problem, WriteProblem::Refused);
    EXPECT_NE(written.error().reason.find("\"" + target + "\" " + c.reason), std::string::npos)
        << written.error().reason;
    EXPECT_LE(test::listDir(dir.path()).size(), 1u);
  }
}

}  // namespace
}  // namespace oza
