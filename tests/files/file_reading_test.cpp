// SPDX-License-Identifier: GPL-3.0-or-later

// What a read takes: a regular file within its limit, examined before a byte
// is read, so that nothing named by mistake or by someone else can stall the
// program or feed it without end; and the reason it gives for anything else.
#include "files/file_reading.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/file_descriptor.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

namespace fs = std::filesystem;

TEST(FileReading, EachKindOfInputGivesItsReason) {
  test::TempDir dir;
  test::writeText(dir.file("small"), "1234");
  test::writeText(dir.file("empty"), "");
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
  fs::create_symlink("fifo", dir.file("to-fifo"));
  const bool device = ::mknod(dir.file("zero").c_str(), S_IFCHR | 0600, makedev(1, 5)) == 0;
  {
    // 8 GB without a byte on disk: its size alone refuses it.
    const FileDescriptor huge(::open(dir.file("huge").c_str(), O_WRONLY | O_CREAT, 0600));
    ASSERT_EQ(::ftruncate(huge.get(), std::int64_t{8} << 30), 0);
  }
  const ReadLimits limits{1000, false};
  const struct {
    const char* name;
    const char* reason;
  } cases[] = {
      {"missing", "There is no such file."},
      {"", "It is a folder."},
      {"fifo", "It is a FIFO (named pipe), not a regular file."},
      {"to-fifo", "It is a FIFO (named pipe), not a regular file."},
      {device ? "zero" : "fifo",
       device ? "It is a character device, not a regular file." : "It is a FIFO (named pipe), not a regular file."},
      {"empty", "The file is empty."},
      {"huge", "The file holds 8,589,934,592 bytes; at most 1,000 are read."},
  };
  for (const auto& c : cases) {
    const auto read = readRegularFile(dir.file(c.name), limits);
    ASSERT_FALSE(read) << c.name;
    EXPECT_EQ(readFailureText(read.error()), c.reason) << c.name;
  }
  EXPECT_EQ(readRegularFile(dir.file("small"), limits).value_or(""), "1234");
  EXPECT_EQ(readRegularFile(dir.file("empty"), {1000, true}).value_or("x"), "");
  EXPECT_FALSE(readRegularFile(dir.file("small"), {3, false}));
}

TEST(FileReading, AFolderEntryIsNeverReadThroughALinkNorPastItsLimit) {
  test::TempDir dir;
  test::writeText(dir.file("vendor"), "0x1002\n");
  fs::create_symlink("vendor", dir.file("link"));
  test::writeText(dir.file("long"), std::string(5000, 'x'));
  const FileDescriptor folder(::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY));
  const ReadLimits attribute{4096, true, false};
  EXPECT_EQ(readFolderEntry(folder.get(), "vendor", attribute).value_or(""), "0x1002\n");
  const auto link = readFolderEntry(folder.get(), "link", attribute);
  ASSERT_FALSE(link);
  EXPECT_EQ(readFailureText(link.error()), "It is a symbolic link, not a regular file.");
  const auto longer = readFolderEntry(folder.get(), "long", attribute);
  ASSERT_FALSE(longer);
  EXPECT_EQ(longer.error().problem, ReadProblem::TooLarge);
}

TEST(FileReading, AFileThisUserMayNotReadSaysSo) {
  test::TempDir dir;
  test::writeText(dir.file("secret"), "x");
  fs::permissions(dir.file("secret"), fs::perms::none);
  fs::permissions(dir.path(), fs::perms::all);
  const pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(4);
    const auto read = readRegularFile(dir.file("secret"), {10, false});
    ::_exit(!read && readFailureText(read.error()) == "You have no permission to read it." ? 0 : 3);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace oza
