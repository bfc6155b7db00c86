// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_run.h"
#include "support/profile_fixture.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

using test::has;
using test::realisticProfile;
using test::replacedOnce;
using test::runCli;

class CliProfile : public ::testing::Test {
 protected:
  CliProfile() { test::writeText(in, realisticProfile()); }
  test::TempDir dir;
  std::string in = dir.file("Profiles.xml");
  std::string out = dir.file("out.xml");
};

TEST_F(CliProfile, DumpShowsTheWindowsControls) {
  const auto run = runCli("profile-dump " + in);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(has(run.out, "{\"messages\":[],\"controls\":{\"Form4\":{\"text\":\"Profile editor\""));
  EXPECT_TRUE(has(run.out, "\"Frame(0)\":{\"text\":\"Card 0\",\"enabled\":true,\"visible\":true}"));
  EXPECT_TRUE(has(run.out, "\"Frame(2)\":{\"text\":\"Card 2\",\"enabled\":false,\"visible\":true}"));
  EXPECT_TRUE(has(run.out,
                  "\"FanSpeedAlgo(0)\":{\"text\":\"Manual\",\"enabled\":true,\"visible\":true,"
                  "\"items\":[\"Automatic\",\"Manual\"],\"index\":1}"));
  EXPECT_TRUE(has(run.out, "\"CoreVolt(0)\":{\"text\":\"1.25\""));
  EXPECT_TRUE(has(run.out, "\"CoreClock(2)\":{\"text\":\"500000000\""));
  EXPECT_TRUE(has(run.out, "\"Label9\":{\"text\":\"What's this?\""));
}

TEST_F(CliProfile, AFailedLoadExitsWithOne) {
  test::writeText(in, std::string(200001, ' '));
  const auto run = runCli("profile-dump " + in);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(has(run.out,
                  "{\"title\":\"OZA\",\"text\":\"Error loading profile file.\\nThe file holds 200,001 bytes; at most "
                  "200,000 are read.\",\"icon\":\"error\""));
  EXPECT_EQ(runCli("profile-save " + dir.file("missing.xml") + " --out " + out).exitCode, 1);
}

TEST_F(CliProfile, SaveChangesOnlyTheEditedValues) {
  const auto run =
      runCli("profile-save " + in + " --out " + out + " --set 'FanSpeed(0)=60' --select 'FanSpeedAlgo(1)=Manual'");
  EXPECT_EQ(run.exitCode, 0) << run.out.substr(0, 300);
  EXPECT_TRUE(has(run.out, "\"messages\":[]"));
  const std::string expected = replacedOnce(replacedOnce(realisticProfile(), "value=\"45\"", "value=\"60\""),
                                            "value=\"Automatic\"", "value=\"Manual\"");
  EXPECT_EQ(test::readText(out), expected);

  // Without edits the file comes back as it was.
  EXPECT_EQ(runCli("profile-save " + in + " --out " + dir.file("same.xml")).exitCode, 0);
  EXPECT_EQ(test::readText(dir.file("same.xml")), realisticProfile());
}

TEST_F(CliProfile, AValueInSingleQuotesOnCrCrLfLinesIsSavedAndAnUnwritableBoxRefused) {
  const std::string file =
      "<Feature name=\"FanSpeedAlgorithm_0\">\r\r\n<P value='Manual'/>\r\r\n"
      "<Feature name=\"FanSpeedPercentTarget_0\">\r\r\n<P value='60'/>\r\r\n"
      "<Feature name=\"FanSpeedRPMTarget_0\">\r\r\n<P name=\"Want\"/>\r\r\n";
  test::writeText(in, file);
  EXPECT_EQ(runCli("profile-save " + in + " --out " + out + " --set 'FanSpeed(0)=77'").exitCode, 0);
  EXPECT_EQ(test::readText(out), replacedOnce(file, "'60'", "'77'"));
  const auto refused =
      runCli("profile-save " + in + " --out " + dir.file("rpm.xml") + " --set 'FanSpeedRPM(0)=1'", true);
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_TRUE(has(refused.out, "'FanSpeedRPM(0)' is disabled")) << refused.out;
  EXPECT_FALSE(std::filesystem::exists(dir.file("rpm.xml")));
}

TEST_F(CliProfile, AnExistingFileIsReplacedOnlyWithForce) {
  test::writeText(out, "old");
  const auto refused = runCli("profile-save " + in + " --out " + out + " --set 'FanSpeed(0)=60'");
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_TRUE(has(refused.out, "File exists. Overwrite?"));
  EXPECT_EQ(test::readText(out), "old");
  EXPECT_EQ(runCli("profile-save " + in + " --out " + out + " --set 'FanSpeed(0)=60' --force").exitCode, 0);
  EXPECT_EQ(test::readText(out), replacedOnce(realisticProfile(), "value=\"45\"", "value=\"60\""));
}

TEST_F(CliProfile, EditsTheWindowWouldRefuseAreUsageErrors) {
  for (const char* edit : {"--set 'CoreClock(2)=1'",      // its frame is disabled
                           "--set 'Nothing(0)=1'",        // no such control
                           "--select 'Protocol(0)=RPM'",  // no such entry
                           "--set FanSpeed"}) {           // no value
    EXPECT_EQ(runCli("profile-save " + in + " --out " + out + " " + edit).exitCode, 2) << edit;
  }
  EXPECT_EQ(runCli("profile-dump " + in + " --out " + out).exitCode, 2);
  EXPECT_EQ(runCli("profile-save " + in).exitCode, 2);
  EXPECT_EQ(runCli("profile-dump").exitCode, 2);
  EXPECT_EQ(test::listDir(dir.path()).size(), 1u);  // nothing written
}

}  // namespace
}  // namespace oza
