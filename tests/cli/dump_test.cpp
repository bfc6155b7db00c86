// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "support/fixture_image.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

using test::CliRun;
using test::runCli;

TEST(CliDump, PrintsTheLoadedControlsAsOneJsonObject) {
  test::TempDir dir;
  test::FixtureImage fixture;
  fixture.save(dir.file("card.rom"));

  const CliRun run = runCli("dump " + dir.file("card.rom"));
  EXPECT_EQ(run.exitCode, 0);
  ASSERT_FALSE(run.out.empty());
  EXPECT_EQ(run.out.front(), '{');
  EXPECT_NE(run.out.find("\"messages\":[]"), std::string::npos) << run.out.substr(0, 300);
  EXPECT_NE(run.out.find("\"InfoText(1)\":{\"text\":\"113-B50102-101\",\"enabled\":true,\"visible\":true}"),
            std::string::npos);
  EXPECT_NE(run.out.find("\"Label25\":{\"text\":\"0x10000\""), std::string::npos);
  EXPECT_NE(run.out.find("\"Linie\":[114,115,130,131,146,147,162,163]"), std::string::npos);
  EXPECT_NE(run.out.find("\"Combo2\":{\"text\":\"HD 3870\""), std::string::npos);
  EXPECT_NE(run.out.find("\"Form1\":{\"text\":\"oza.example.org: OZA - Ozarin BIOS editor v1.12\""), std::string::npos);
  EXPECT_NE(run.out.find("\"Command2\":{\"text\":\"&Save BIOS...\",\"enabled\":true"), std::string::npos);
}

TEST(CliDump, AFailedLoadExitsWithOneAndCarriesItsMessage) {
  test::TempDir dir;
  test::writeBytes(dir.file("junk.bin"), std::vector<std::uint8_t>(100, 0x41));
  const CliRun run = runCli("dump " + dir.file("junk.bin"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.out.find("'GetStringPos' reported error.\",\"icon\":\"information\",\"buttons\":\"ok\""),
            std::string::npos)
      << run.out.substr(0, 400);
}

TEST(CliDump, UsageErrorsExitWithTwo) {
  EXPECT_EQ(runCli("").exitCode, 2);
  EXPECT_EQ(runCli("dump").exitCode, 2);
  EXPECT_EQ(runCli("dump a b").exitCode, 2);
  EXPECT_EQ(runCli("dump a --answer maybe").exitCode, 2);
  EXPECT_EQ(runCli("frobnicate a").exitCode, 2);
}

}  // namespace
}  // namespace oza
