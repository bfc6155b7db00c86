// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/command_table.h"

#include <gtest/gtest.h>

#include <sstream>

#include "card/pci_cards.h"
#include "cli/cli_run.h"
#include "support/fake_sysfs.h"
#include "support/fixture_image.h"

namespace oza {
namespace {

using test::has;

class CardCommands : public ::testing::Test {
 protected:
  CardCommands() : rom(test::FixtureImage().build()) {
    sysfs.addDevice("0000:01:00.0", "0x1002", "0x9501", "0x030000", rom);
    sysfs.addDevice("0000:00:02.0", "0x8086", "0x0412", "0x030000", rom);
  }

  int run(const std::vector<std::string>& args) {
    out.str("");
    err.str("");
    CliContext context{out, err, access};
    return runCommandLine(args, context);
  }

  test::FakeSysfs sysfs;
  test::FakeRomAccess access;
  std::vector<std::uint8_t> rom;
  test::TempDir dir;
  std::ostringstream out, err;
};

// Memory that runs out in the middle of a command (here while the ROM is
// read) stops it with a message and exit 1; the ROM is switched off again.
TEST_F(CardCommands, RunningOutOfMemoryIsAMessageAndExit1) {
  struct Exhausted : test::FakeRomAccess {
    std::optional<std::vector<std::uint8_t>> read(const std::string&, std::size_t) override { throw std::bad_alloc(); }
  } exhausted;
  CliContext context{out, err, exhausted};
  EXPECT_EQ(runCommandLine({"read-card", "0000:01:00.0", "--out", dir.file("card.rom")}, context), 1);
  EXPECT_EQ(err.str(), "oza-cli: out of memory\n");
  EXPECT_TRUE(exhausted.enabled.empty());
  EXPECT_GE(exhausted.disables, exhausted.enables);
}

TEST_F(CardCommands, CardsListsTheCardsAsJson) {
  EXPECT_EQ(run({"cards"}), 0);
  EXPECT_EQ(out.str(),
            "{\"cards\":[{\"address\":\"0000:01:00.0\",\"vendor\":\"0x1002\",\"device\":\"0x9501\","
            "\"name\":\"HD 3870\",\"romReadable\":true,\"romWindowBytes\":null,\"bootDisplay\":false}]}\n");
  sysfs.setRomWindow("0000:01:00.0", 131072);
  sysfs.setBootDisplay("0000:01:00.0", true);
  EXPECT_EQ(run({"cards"}), 0);
  EXPECT_TRUE(has(out.str(), "\"romWindowBytes\":131072,\"bootDisplay\":true}")) << out.str();
  EXPECT_EQ(run({"cards", "extra"}), 2);
}

TEST_F(CardCommands, ReadCardWritesTheBiosAndPrintsTheLoad) {
  const std::string file = dir.file("card.rom");
  EXPECT_EQ(run({"read-card", "0000:01:00.0", "--out", file}), 0) << out.str();
  EXPECT_EQ(test::readBytes(file), rom);
  EXPECT_TRUE(has(out.str(), "\"messages\":[]"));
  EXPECT_TRUE(has(out.str(), "\"Combo2\":{\"text\":\"HD 3870\""));
  EXPECT_TRUE(access.enabled.empty());

  // An existing file is only replaced with --force, as with save.
  test::writeBytes(file, {1, 2, 3});
  EXPECT_EQ(run({"read-card", "0000:01:00.0", "--out", file}), 1);
  EXPECT_TRUE(has(out.str(), "\"title\":\"File exists.\""));
  EXPECT_EQ(test::readBytes(file), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(run({"read-card", "0000:01:00.0", "--out", file, "--force"}), 0);
  EXPECT_EQ(test::readBytes(file), rom);
  EXPECT_TRUE(access.enabled.empty());
}

// A card whose kernel copy is its chain of images only: the AtomBIOS image
// and an EFI one, 73,728 of the window's 131,072 bytes.
TEST_F(CardCommands, ReadCardNamesAPartialCopyAndWritesWhatWasRead) {
  test::FixtureImage whole(131072);
  whole.declaredSize = 65536;
  const auto bytes = whole.build();
  const std::vector<std::uint8_t> chain(bytes.begin(), bytes.begin() + 73728);
  test::writeBytes(sysfs.root() + "/bus/pci/devices/0000:01:00.0/rom", chain);
  const std::string file = dir.file("card.rom");

  sysfs.setRomWindow("0000:01:00.0", 73728);
  EXPECT_EQ(run({"read-card", "0000:01:00.0", "--out", file}), 0) << out.str();
  EXPECT_TRUE(has(out.str(),
                  "\"complete\":true,\"partialReason\":null,\"bytesRead\":73728,\"romWindowBytes\":73728,"
                  "\"bootDisplay\":false"))
      << out.str();
  EXPECT_EQ(err.str(), "");

  sysfs.setRomWindow("0000:01:00.0", 131072);
  EXPECT_EQ(run({"read-card", "0000:01:00.0", "--out", file, "--force"}), 0) << out.str();
  EXPECT_TRUE(
      has(out.str(), "\"complete\":false,\"partialReason\":\"the kernel gave 73,728 of the ROM window's 131,072"))
      << out.str();
  EXPECT_TRUE(has(out.str(), "\"bytesRead\":73728,\"romWindowBytes\":131072,\"bootDisplay\":false"));
  EXPECT_TRUE(has(err.str(), "Warning: This copy of the card's BIOS is partial: ")) << err.str();
  EXPECT_TRUE(has(err.str(),
                  "Do not flash an edit of this copy onto the card: read the whole chip with the card's "
                  "flashing tool instead."));
  EXPECT_EQ(test::readBytes(file), chain);

  sysfs.setBootDisplay("0000:01:00.0", true);
  sysfs.setRomWindow("0000:01:00.0", 73728);
  EXPECT_EQ(run({"read-card", "0000:01:00.0", "--out", file, "--force"}), 0) << out.str();
  EXPECT_TRUE(has(out.str(), "\"complete\":false,\"partialReason\":\"the card is the boot display")) << out.str();
  EXPECT_TRUE(has(err.str(), "system memory")) << err.str();
}

TEST_F(CardCommands, AFailedReadWritesNothingAndReportsItsMessage) {
  const std::string file = dir.file("card.rom");
  access.denied = true;
  EXPECT_EQ(run({"read-card", "0000:01:00.0", "--out", file}), 1);
  EXPECT_TRUE(has(out.str(), std::string("\"text\":\"") + kNeedsRootMessage + "\"")) << out.str();
  access.denied = false;
  EXPECT_EQ(run({"read-card", "0000:00:02.0", "--out", file}), 1);
  EXPECT_TRUE(has(out.str(), "is not a display device of vendor 0x1002")) << out.str();
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_TRUE(access.enabled.empty());
  EXPECT_EQ(access.disables, access.enables);
}

TEST_F(CardCommands, UsageErrorsExitWithTwo) {
  EXPECT_EQ(run({"read-card", "0000:01:00.0"}), 2);
  EXPECT_EQ(run({"read-card", "--out", dir.file("x.rom")}), 2);
  EXPECT_EQ(run({"read-card", "a", "b", "--out", dir.file("x.rom")}), 2);
  EXPECT_EQ(run({"read-card", "a", "--out", dir.file("x.rom"), "--answer", "yes"}), 2);
  EXPECT_TRUE(has(err.str(), "usage: oza-cli read-card ADDR --out FILE [--force]"));
  EXPECT_EQ(access.enables, 0);
}

TEST(CliHelp, HelpAndVersionGoToStandardOutputWithExitZero) {
  const test::CliRun help = test::runCli("--help");
  EXPECT_EQ(help.exitCode, 0);
  for (const char* command : {"dump", "save", "profile-dump", "profile-save", "cards", "read-card"})
    EXPECT_TRUE(has(help.out, std::string("oza-cli ") + command)) << command;
  EXPECT_EQ(test::runCli("help").out, help.out);

  const test::CliRun one = test::runCli("help read-card");
  EXPECT_EQ(one.exitCode, 0);
  EXPECT_TRUE(has(one.out, "usage: oza-cli read-card ADDR --out FILE [--force]\n"));
  EXPECT_FALSE(has(one.out, "profile-dump"));

  const test::CliRun version = test::runCli("--version");
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "oza-cli 1.12\n");
}

TEST(CliHelp, HelpForAnUnknownCommandIsAUsageError) {
  EXPECT_EQ(test::runCli("help frobnicate").exitCode, 2);
  EXPECT_EQ(test::runCli("help dump save").exitCode, 2);
  for (const char* arguments : {"--help dump", "--version x", "-h x"}) {
    const test::CliRun run = test::runCli(arguments, true);
    EXPECT_EQ(run.exitCode, 2) << arguments;
    EXPECT_TRUE(has(run.out, " takes no arguments\n")) << run.out;
  }
}

}  // namespace
}  // namespace oza
