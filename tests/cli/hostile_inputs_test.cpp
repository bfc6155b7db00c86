// SPDX-License-Identifier: GPL-3.0-or-later

// oza-cli against what a careless or hostile caller hands it: numbers out of
// range, texts no box would take, inputs that are no regular file, nodes and
// links as targets, reports nobody can receive, strings that would command a
// terminal, names with blanks, and a kernel tree with things put in its place.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "cli/cli_run.h"
#include "support/fake_sysfs.h"
#include "support/fixture_image.h"
#include "support/profile_fixture.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

namespace fs = std::filesystem;
using test::has;
using test::runCli;

class CliHostile : public ::testing::Test {
 protected:
  CliHostile() {
    test::FixtureImage().save(image);
    test::writeText(profile, test::realisticProfile());
    ::mkfifo(fifo.c_str(), 0600);
  }
  test::TempDir dir;
  const std::string image = dir.file("in.rom");
  const std::string profile = dir.file("Profiles.xml");
  const std::string fifo = dir.file("fifo");
  const std::string out = dir.file("out");
};

TEST_F(CliHostile, NumbersAndTextsABoxWouldRefuseAreUsageErrors) {
  const struct {
    std::string arguments;
    std::string named;  // what the message names
  } cases[] = {
      {"save " + image + " --out " + out + " --select 'Combo1=2147483648'", "'Combo1'"},
      {"save " + image + " --out " + out + " --select 'List1=99999999999999999999'", "'List1'"},
      {"profile-save " + profile + " --out " + out + " --select 'FanSpeedAlgo(0)=2147483648'", "'FanSpeedAlgo(0)'"},
      {"save " + image + " --out " + out + " --set 'Voltage(0)=abc'",
       "'Voltage(0)' takes digits and the point only, not 'a'"},
      {"save " + image + " --out " + out + " --set 'Voltage(0)=NaN'", "not 'N'"},
      {"save " + image + " --out " + out + " --set 'Voltage(0)=-1'", "not '-'"},
      {"save " + image + " --out " + out + " --set 'Voltage(0)= 1.2'", "not ' '"},
      {"save " + image + " --out " + out + " --set 'Voltage(0)=+1.2'", "not '+'"},
      {"save " + image + " --out " + out + " --set 'Voltage(0)=1,2'", "not ','"},
      {"save " + image + " --out " + out + " --set 'Voltage(0)=1e308'", "not 'e'"},
      {"save " + image + " --out " + out + " --set 'GPU(1)=1x'", "'GPU(1)'"},
      {"save " + image + " --out " + out + " --set 'Text5=40\t'", "not '\\x09'"},
      {"profile-save " + profile + " --out " + out + " --set 'CoreClock(0)=NaN'", "'CoreClock(0)'"},
      {"profile-save " + profile + " --out " + out + " --set 'CoreClock(0)=-1'", "not '-'"},
      {"save " + image + " --out ''", "--out needs a file name"},
      {"dump ''", "an argument of dump is empty"},
      {"check " + image + " --against ''", "--against needs a file name"},
  };
  for (const auto& c : cases) {
    const auto run = runCli(c.arguments, true);
    EXPECT_EQ(run.exitCode, 2) << c.arguments;
    EXPECT_TRUE(has(run.out, c.named)) << c.arguments << "\n" << run.out;
  }
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(CliHostile, InputsThatAreNoRegularFileAnswerAtOnce) {
  const bool device = ::mknod(dir.file("zero").c_str(), S_IFCHR | 0600, makedev(1, 5)) == 0;
  const std::string endless = device ? dir.file("zero") : fifo;
  const struct {
    std::string arguments;
    int exitCode;
  } cases[] = {
      {"dump " + fifo, 1},
      {"dump " + endless, 1},
      {"check " + fifo, 1},
      {"check " + image + " --against " + fifo, 1},
      {"diff " + fifo + " " + image, 2},
      {"profile-dump " + fifo, 1},
      {"profile-dump " + endless, 1},
  };
  for (const auto& c : cases) {
    const auto run = runCli(c.arguments, true, 20);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments << "\n" << run.out;
    EXPECT_TRUE(has(run.out, "not a regular file")) << c.arguments << "\n" << run.out;
  }
}

TEST_F(CliHostile, ASaveOntoADeviceAFifoOrALinkToOneReplacesNothing) {
  const bool device = ::mknod(dir.file("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  fs::create_symlink(device ? "null" : "fifo", dir.file("link"));
  for (const std::string& target : {fifo, dir.file("link"), device ? dir.file("null") : fifo}) {
    const auto run = runCli("save " + image + " --out " + target + " --force");
    EXPECT_EQ(run.exitCode, 1) << target;
    EXPECT_TRUE(has(run.out, "'WriteBIOSToFile(sFile)' reported error.\\n\\\"")) << run.out;
    EXPECT_TRUE(has(run.out, ", not a regular file.")) << run.out;
  }
  struct stat status {};
  EXPECT_EQ(::stat(fifo.c_str(), &status), 0);
  EXPECT_TRUE(S_ISFIFO(status.st_mode));
  if (device) {
    EXPECT_EQ(::stat(dir.file("null").c_str(), &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
  }
}

TEST_F(CliHostile, ASaveUnderAFileSizeLimitSaysSoAndLeavesNothingBehind) {
  test::FixtureImage(131072).save(image);
  const pid_t child = ::fork();
  if (child == 0) {
    const rlimit limit{64 * 1024, 64 * 1024};  // ulimit -f 64
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    ::execl(OZA_CLI_PATH, OZA_CLI_PATH, "save", image.c_str(), "--out", out.c_str(), nullptr);
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(test::listDir(dir.path()).size(), 3u);  // in.rom, Profiles.xml, fifo: no temporary file
}

TEST_F(CliHostile, ADryRunFailsWhereTheSaveWouldTheTargetIncluded) {
  const struct {
    std::string target;
    int exitCode;
  } cases[] = {{"/dev/null", 1}, {fifo, 1}, {dir.path(), 1}, {image, 1}, {"/dev/stdout", 1}, {out, 0}};
  for (const auto& c : cases) {
    for (const char* command : {"save", "set"}) {
      SCOPED_TRACE(c.target + " " + command);
      const std::vector<std::string> args = {command, image, "--out", c.target};
      std::vector<std::string> dry = args;
      dry.push_back("--dry-run");
      EXPECT_EQ(runCli(dry).exitCode, c.exitCode);
      EXPECT_FALSE(fs::exists(out));
      EXPECT_EQ(runCli(args).exitCode, c.exitCode);
      fs::remove(out);
    }
  }
}

TEST_F(CliHostile, NamesAreTakenAsGivenAndDashDashEndsTheOptions) {
  EXPECT_EQ(runCli(std::vector<std::string>{"save", image, "--out", dir.file("keep.rom ")}).exitCode, 0);
  EXPECT_TRUE(fs::exists(dir.file("keep.rom ")));
  EXPECT_FALSE(fs::exists(dir.file("keep.rom")));
  EXPECT_EQ(runCli(std::vector<std::string>{"save", image, "--out", dir.file("   ")}).exitCode, 0);
  EXPECT_TRUE(fs::exists(dir.file("   ")));

  fs::copy_file(image, dir.file("--card.rom"));
  const auto cwd = fs::current_path();
  fs::current_path(dir.path());
  EXPECT_EQ(runCli(std::vector<std::string>{"dump", "--", "--card.rom"}).exitCode, 0);
  EXPECT_EQ(runCli(std::vector<std::string>{"check", "--", "--card.rom"}).exitCode, 0);
  EXPECT_EQ(runCli(std::vector<std::string>{"diff", "--", "--card.rom", "in.rom"}).exitCode, 0);
  EXPECT_EQ(runCli(std::vector<std::string>{"profile-dump", "--", "Profiles.xml"}).exitCode, 0);
  EXPECT_EQ(runCli(std::vector<std::string>{"dump", "--card.rom"}).exitCode, 2);  // an unknown option without --
  fs::current_path(cwd);
}

TEST_F(CliHostile, AReportThatCannotBeDeliveredIsAFailure) {
  for (const bool closed : {false, true}) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"dump", image},
                                                      {"check", image},
                                                      {"save", image, "--out", out, "--force"},
                                                      {"--help"}}) {
      const pid_t child = ::fork();
      if (child == 0) {
        ::dup2(::open("/dev/null", O_WRONLY | O_CLOEXEC), STDERR_FILENO);
        if (closed) {
          ::close(STDOUT_FILENO);
        } else {
          ::dup2(::open("/dev/full", O_WRONLY | O_CLOEXEC), STDOUT_FILENO);
        }
        std::vector<char*> argv{const_cast<char*>(OZA_CLI_PATH)};
        std::vector<std::string> copies = arguments;
        for (std::string& argument : copies) argv.push_back(argument.data());
        argv.push_back(nullptr);
        ::execv(OZA_CLI_PATH, argv.data());
        ::_exit(127);
      }
      int status = 0;
      ::waitpid(child, &status, 0);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << arguments[0] << (closed ? " closed" : " full");
    }
  }
}

TEST_F(CliHostile, TextReportsShowControlCharactersEscaped) {
  test::FixtureImage planted;
  planted.chipType = "RV670\x1B]0;owned\x07\x1B[2J";
  planted.save(dir.file("planted.rom"));
  const auto diff = runCli("diff " + image + " " + dir.file("planted.rom"));
  EXPECT_EQ(diff.exitCode, 1);
  EXPECT_TRUE(has(diff.out, "RV670\\x1B]0;owned\\x07\\x1B[2J")) << diff.out;
  EXPECT_FALSE(has(diff.out, "\x1B"));
  fs::copy_file(image, dir.file("line\nend\x1B.rom"));
  const auto check = runCli(std::vector<std::string>{"check", dir.file("line\nend\x1B.rom")});
  EXPECT_TRUE(has(check.out, "line\\x0Aend\\x1B.rom")) << check.out;
  EXPECT_FALSE(has(check.out, "\x1B"));
}

TEST_F(CliHostile, EditsThatWouldGiveAnImageThisProgramRefusesAreRefused) {
  const struct {
    const char* edit;
    const char* reason;
  } cases[] = {
      {"InfoText(4)=(", "The copyright (InfoText(4)) must contain \\\"ATI\\\"."},
      {"InfoText(5)=BIOSBK-ATI", "The ATOM BIOS version (InfoText(5)) must contain \\\"ATOM\\\"."},
      {"InfoText(2)=X600", "The chip type (InfoText(2)) must contain an upper-case R or M."},
      {"InfoText(3)=ATI Radeon\rHD", "The hardware specs text (InfoText(3)) may not hold line ends"},
  };
  for (const auto& c : cases) {
    const auto run = runCli(std::vector<std::string>{"save", image, "--out", out, "--set", c.edit});
    EXPECT_EQ(run.exitCode, 1) << c.edit;
    EXPECT_TRUE(has(run.out, "Unable to save BIOS. The image would not load again with these changes.\\n")) << run.out;
    EXPECT_TRUE(has(run.out, c.reason)) << c.edit << "\n" << run.out;
  }
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(CliHostile, TheCardsBiosIsReadAndSwitchedOnlyThroughItsOwnAttribute) {
  test::FakeSysfs sysfs;
  const std::vector<std::uint8_t> rom = test::FixtureImage().build();
  sysfs.addDevice("0000:01:00.0", "0x1002", "0x9501", "0x030000", rom, false);
  const std::string device = sysfs.root() + "/bus/pci/devices/0000:01:00.0";
  test::writeText(dir.file("victim"), "precious");
  fs::create_symlink(dir.file("victim"), device + "/rom");
  auto run = runCli("read-card 0000:01:00.0 --out " + out, false, 20);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(test::readText(dir.file("victim")), "precious");

  fs::remove(device + "/rom");
  ASSERT_EQ(::mkfifo((device + "/rom").c_str(), 0600), 0);
  run = runCli("read-card 0000:01:00.0 --out " + out, false, 20);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_FALSE(fs::exists(out));

  fs::remove(device + "/rom");
  ASSERT_EQ(::link(dir.file("victim").c_str(), (device + "/rom").c_str()), 0);
  run = runCli("read-card 0000:01:00.0 --out " + out, false, 20);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(has(run.out, "is not the kernel's own (a file of sysfs with no other name)")) << run.out;
  EXPECT_EQ(test::readText(dir.file("victim")), "precious");
  fs::remove(device + "/rom");

  // An attribute that never ends is read no further than a few kilobytes.
  fs::remove(device + "/vendor");
  fs::create_symlink("/dev/zero", device + "/vendor");
  run = runCli("cards", false, 20);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "{\"cards\":[]}\n");
  fs::remove(device + "/vendor");
  test::writeText(device + "/vendor", "0x1002\n" + std::string(1 << 20, ' '));
  EXPECT_EQ(runCli("cards", false, 20).exitCode, 0);
}

}  // namespace
}  // namespace oza
