// SPDX-License-Identifier: GPL-3.0-or-later

// Where a write may land: the name finally reached must be a regular file or
// nothing, links are followed only as the kernel's protected_symlinks rule
// would follow them, and a name that cannot be examined is no absent name.
#include "files/write_target.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/file_replacing.h"
#include "platform/replace_question.h"
#include "platform/scripted_platform.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

const WriteMessage kFailed{"Unable to write."};

TEST(WriteTarget, OnlyARegularFileOrNothingIsWritten) {
  test::TempDir dir;
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0666), 0);
  const bool device = ::mknod(dir.file("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  fs::create_directory(dir.file("folder"));
  fs::create_symlink("fifo", dir.file("to-fifo"));
  fs::create_symlink("folder", dir.file("to-folder"));
  fs::create_symlink(device ? "null" : "fifo", dir.file("to-device"));
  const struct {
    const char* name;
    TargetProblem problem;
  } cases[] = {
      {"fifo", TargetProblem::NotRegular},
      {"to-fifo", TargetProblem::NotRegular},
      {device ? "null" : "fifo", TargetProblem::NotRegular},
      {"to-device", TargetProblem::NotRegular},
      {"folder", TargetProblem::Folder},
      {"to-folder", TargetProblem::Folder},
      {"folder/", TargetProblem::Folder},
      {"missing/new", TargetProblem::NoFolder},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto target = resolveWriteTarget(dir.file(c.name));
    ASSERT_FALSE(target);
    EXPECT_EQ(target.error().problem, c.problem);
    EXPECT_FALSE(replaceFile(dir.file(c.name), "new"));
  }
  if (!device) GTEST_SKIP() << "no device node could be made here (needs CAP_MKNOD); the FIFO cases ran";
  struct stat status {};
  ASSERT_EQ(::stat(dir.file("null").c_str(), &status), 0);
  EXPECT_TRUE(S_ISCHR(status.st_mode));
  EXPECT_EQ(test::listDir(dir.path()).size(), 6u);  // no temporary file either
}

// /proc's links to open files name the object, not a path: a deleted file
// would be made anew as "gone.txt (deleted)", and standard output redirected
// to an image would have that image replaced behind the caller's back.
TEST(WriteTarget, TheKernelsLinksToOpenFilesAreNotFollowed) {
  test::TempDir dir;
  test::writeText(dir.file("gone.txt"), "");
  test::writeText(dir.file("out.rom"), "image");
  const int gone = ::open(dir.file("gone.txt").c_str(), O_RDONLY | O_CLOEXEC);
  const int out = ::open(dir.file("out.rom").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(gone, 0);
  ASSERT_GE(out, 0);
  ::unlink(dir.file("gone.txt").c_str());
  for (const std::string& path : {"/proc/self/fd/" + std::to_string(gone), "/proc/self/fd/" + std::to_string(out),
                                  "/dev/fd/" + std::to_string(out), std::string("/proc/self/cwd/out.rom")}) {
    SCOPED_TRACE(path);
    const auto target = resolveWriteTarget(path);
    ASSERT_FALSE(target);
    EXPECT_EQ(target.error().problem, TargetProblem::MagicLink);
    EXPECT_FALSE(replaceFile(path, "new"));
  }
  ::close(gone);
  ::close(out);
  EXPECT_EQ(test::listDir(dir.path()), std::vector<std::string>{"out.rom"});
  EXPECT_EQ(test::readText(dir.file("out.rom")), "image");
}

TEST(WriteTarget, ALinkPlantedInASharedFolderIsNotFollowed) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to plant a link as another user";
  test::TempDir dir;
  const std::string shared = dir.file("shared");
  fs::create_directory(shared);
  fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
  test::writeText(dir.file("important.conf"), "mine");
  // Another user plants a link to the victim, and one to nowhere.
  fs::create_symlink(dir.file("important.conf"), shared + "/card.rom");
  fs::create_symlink(dir.file("created"), shared + "/dangling.rom");
  ASSERT_EQ(::lchown((shared + "/card.rom").c_str(), kNobody, kNobody), 0);
  ASSERT_EQ(::lchown((shared + "/dangling.rom").c_str(), kNobody, kNobody), 0);
  // A link of the folder's owner (or of the user) is followed.
  fs::create_symlink(dir.file("important.conf"), shared + "/own.rom");

  for (const char* name : {"card.rom", "dangling.rom"}) {
    const auto target = resolveWriteTarget(shared + "/" + name);
    ASSERT_FALSE(target);
    EXPECT_EQ(target.error().problem, TargetProblem::PlantedLink);
    ScriptedPlatform platform;
    platform.defaultAnswer = MessageAnswer::Yes;
    EXPECT_FALSE(askBeforeReplacing(platform, shared + "/" + name, kFailed));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Unable to write.\n\"" + std::string(name) +
                  "\" is a link made by another user in a shared folder; it is not followed.");
    const auto written = replaceFile(shared + "/" + name, "overwritten");
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().problem, WriteProblem::Refused);
  }
  EXPECT_EQ(test::readText(dir.file("important.conf")), "mine");
  EXPECT_FALSE(fs::exists(dir.file("created")));
  EXPECT_TRUE(replaceFile(shared + "/own.rom", "mine, new"));
  EXPECT_EQ(test::readText(dir.file("important.conf")), "mine, new");
}

TEST(WriteTarget, AnythingAtTheNameIsAskedAboutALinkIncluded) {
  test::TempDir dir;
  fs::create_symlink(dir.file("nowhere"), dir.file("dangling"));
  test::writeText(dir.file("file"), "old");
  for (const char* name : {"dangling", "file"}) {
    ScriptedPlatform platform;
    EXPECT_FALSE(askBeforeReplacing(platform, dir.file(name), kFailed)) << name;
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "File exists. Overwrite?");
  }
  ScriptedPlatform platform;
  EXPECT_TRUE(askBeforeReplacing(platform, dir.file("new"), kFailed));
  EXPECT_TRUE(platform.messages.empty());
}

TEST(WriteTarget, ANameThatCannotBeExaminedIsAnErrorNotAbsent) {
  test::TempDir dir;
  const std::string closed = dir.file("closed");
  fs::create_directory(closed);
  // Root's folder that others may not enter; as another user, one nobody may.
  const bool root = ::geteuid() == 0;
  fs::permissions(closed, root ? fs::perms::owner_all | fs::perms::others_read : fs::perms::none);
  fs::permissions(dir.path(), fs::perms::all);
  const pid_t child = ::fork();
  if (child == 0) {
    if (root && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(4);
    const auto target = resolveWriteTarget(closed + "/card.rom");
    const auto taken = nameTaken(closed + "/card.rom");
    const bool refused = !target && target.error().problem == TargetProblem::NoPermission && !taken &&
                         taken.error().problem == TargetProblem::NoPermission;
    ::_exit(refused ? 0 : 3);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  fs::permissions(closed, fs::perms::owner_all);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace oza
