// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

#include "image/hex_fields.h"
#include "platform/scripted_platform.h"
#include "session/session.h"
#include "shell/icosahedron.h"
#include "shell/links.h"
#include "shell/mail.h"
#include "shell/version_check.h"

namespace oza {
namespace {

TEST(Mail, UrlEncodeKeepsTheSafeCharacters) {
  EXPECT_EQ(urlEncode("a b"), "a%20b");
  EXPECT_EQ(urlEncode("user@host:x"), "user@host:x");
  EXPECT_EQ(urlEncode("-./_~&?#!$*+"), "-./_~&?#!$*+");
  EXPECT_EQ(urlEncode("50%,=\"\xC3\xA4"), "50%25%2C%3D%22%E4");
  EXPECT_EQ(hexByte(5), "05");
  EXPECT_EQ(hexByte(255), "FF");
}

TEST(Mail, QueryIsMadeOfTheNonEmptyParts) {
  EXPECT_EQ(mailtoText("me@x.org", "", "", "", ""), "mailto:me@x.org");
  EXPECT_EQ(mailtoText("me@x.org", "", "cc@x.org", "", ""), "mailto:me@x.org?CC=cc@x.org");
  EXPECT_EQ(mailtoText("me@x.org", "Hi there", "c", "b", "Body text"),
            "mailto:me@x.org?Subject=Hi%20there&CC=c&BCC=b&Body=Body%20text");
  EXPECT_EQ(mailtoText("me@x.org", "", "", "b", "x y"), "mailto:me@x.org?BCC=b&Body=x%20y");

  ScriptedPlatform platform;
  EXPECT_TRUE(sendMail(platform, kAuthorMail, kMailSubject, "", "", ""));
  ASSERT_EQ(platform.openedUrls.size(), 1u);
  EXPECT_EQ(platform.openedUrls[0],
            std::string("mailto:") + kAuthorMail + "?Subject=Comments%20on%20ATI%20OZA%20-%20Ozarin%20BIOS%20editor");
}

TEST(Version, TextAndComparison) {
  EXPECT_EQ(versionText(1, 1, 2), "1.12");
  EXPECT_EQ(versionText(1, 0, 8), "1.08");
  EXPECT_EQ(runningVersionText(), "1.12");
  EXPECT_TRUE(isUpToDate("1.12", "1.12"));
  EXPECT_TRUE(isUpToDate("1.12", "1.10"));
  EXPECT_FALSE(isUpToDate("1.12", "1.13"));
  EXPECT_TRUE(isUpToDate("1.12", "abcd"));  // no number: never out of date
  EXPECT_FALSE(isUpToDate("1.12", "1.2 "));
}

TEST(Version, LatestVersionFollowsTheMarker) {
  EXPECT_EQ(latestVersion("<h1>OZARIN BIOS EDITOR v1.15</h1>"), "1.15");
  EXPECT_EQ(latestVersion("Ozarin Bios Editor v1.2"), "1.2");
  // Without the marker, the four characters from the 20th on.
  EXPECT_EQ(latestVersion("0123456789012345678ABCDEFG"), "ABCD");
  EXPECT_EQ(latestVersion("short"), "");
}

class VersionCheck : public ::testing::Test {
 protected:
  void run() {
    bool finished = false;
    runVersionCheck(platform, "1.12", [&] { finished = true; });
    EXPECT_TRUE(finished);
    ASSERT_FALSE(platform.messages.empty());
    last = platform.messages.back();
  }
  ScriptedPlatform platform;
  Message last;
};

TEST_F(VersionCheck, OutOfDateOffersTheDownloadPage) {
  platform.pages[downloadPageUrl()] = "<p>Ozarin Bios Editor v1.20 is here</p>";
  platform.queueAnswer(MessageAnswer::Yes);
  run();
  EXPECT_EQ(last.title, "Download new version?");
  EXPECT_EQ(last.text, "This version is out of date. Current version is v1.20. Open webpage to download new version?");
  EXPECT_EQ(last.buttons, MessageButtons::YesNo);
  EXPECT_EQ(platform.openedUrls, std::vector<std::string>{downloadPageUrl()});
  EXPECT_EQ(platform.busyChanges, (std::vector<bool>{true, false}));
  ASSERT_EQ(platform.downloads.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(platform.downloads[0]));  // the temporary file is gone
  EXPECT_EQ(std::filesystem::path(platform.downloads[0]).filename().string().substr(0, 3), "OZA");
}

TEST_F(VersionCheck, UpToDateAndFailures) {
  platform.pages[downloadPageUrl()] = "Ozarin Bios Editor v1.12";
  run();
  EXPECT_EQ(last.title, "Version up to date");
  EXPECT_EQ(last.text, "This version is up to date!");
  EXPECT_EQ(last.icon, MessageIcon::Information);

  platform.pages.clear();
  run();
  EXPECT_EQ(last.title, "Unable to check for new version");
  EXPECT_EQ(last.text,
            "Can't download info file from server. Please check your internet connection and firewall settings.");
  EXPECT_EQ(last.icon, MessageIcon::Critical);

  platform.unreachable = true;
  run();
  EXPECT_EQ(last.title, "Unable to check for new version");
  EXPECT_EQ(platform.busyChanges.back(), false);
}

TEST(Links, SiteRootCanBeReplaced) {
  unsetenv("OZA_SITE_URL");
  EXPECT_EQ(downloadPageUrl(), std::string("http://") + kSiteHost + "/downloads/Utilities/OZA/");
  EXPECT_EQ(winFlashUrl(), std::string("http://") + kSiteHost + "/downloads/1122/Winflash_2.0.1.2.html");
  EXPECT_EQ(forumUrl(), std::string("http://") + kSiteHost + "/forumdisplay.php?f=63");
  setenv("OZA_SITE_URL", "http://127.0.0.1:8080/", 1);
  EXPECT_EQ(downloadPageUrl(), "http://127.0.0.1:8080/downloads/Utilities/OZA/");
  unsetenv("OZA_SITE_URL");
}

TEST(Links, AnAddressNoProgramOpensIsShownToBeCopied) {
  ScriptedPlatform platform;
  EXPECT_TRUE(shellOpen(platform, "https://example.org/faq"));
  EXPECT_TRUE(platform.messages.empty());
  platform.urlsOpen = false;
  EXPECT_FALSE(shellOpen(platform, "https://example.org/faq"));
  EXPECT_EQ(platform.messageTexts(),
            std::vector<std::string>{"No program could open this address:\r\nhttps://example.org/faq"});
}

TEST(Icosahedron, TwentyFacesOnTheUnitSphere) {
  const auto& faces = icosahedronFaces();
  ASSERT_EQ(faces.size(), 20u);
  const std::set<float> known = {0, 1, 0.276393f, 0.447214f, 0.525731f, 0.723607f, 0.850651f, 0.894427f};
  std::set<std::array<long, 3>> vertices;
  for (const Mat3& face : faces) {
    for (const auto& v : face) {
      EXPECT_NEAR(std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]), 1.0, 1e-5);
      for (float c : v) {
        const bool found =
            std::any_of(known.begin(), known.end(), [c](float k) { return std::fabs(std::fabs(c) - k) < 1e-5; });
        EXPECT_TRUE(found) << c;
      }
      vertices.insert({std::lround(v[0] * 1e4), std::lround(v[1] * 1e4), std::lround(v[2] * 1e4)});
    }
    // Every edge of a face has the icosahedron's edge length.
    for (int i = 0; i < 3; ++i) {
      const auto& a = face[static_cast<std::size_t>(i)];
      const auto& b = face[static_cast<std::size_t>((i + 1) % 3)];
      EXPECT_NEAR(std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]), 1.051462, 1e-4);
    }
  }
  EXPECT_EQ(vertices.size(), 12u);
}

TEST(Icosahedron, RotationsAndProjection) {
  const Mat3 x = rotationMatrix(Axis::X, 1, 0);
  const Mat3 y = rotationMatrix(Axis::Y, 1, 0);
  const Mat3 z = rotationMatrix(Axis::Z, 1, 0);
  EXPECT_EQ(x, (Mat3{{{1, 0, 0}, {0, 0, -1}, {0, 1, 0}}}));
  EXPECT_EQ(y, (Mat3{{{0, 0, 1}, {0, 1, 0}, {-1, 0, 0}}}));
  EXPECT_EQ(z, (Mat3{{{0, -1, 0}, {1, 0, 0}, {0, 0, 1}}}));
  const Mat3 identity{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
  EXPECT_EQ(multiply3x3(x, multiply3x3(x, multiply3x3(x, x))), identity);
  // A vertex row times the projection: (8y - 0.5x, 8z - 0.25x).
  const Mat32 p = multiply3x3by3x2(Mat3{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}, projectionMatrix());
  EXPECT_EQ(p, (Mat32{{{-0.5f, -0.25f}, {8, 0}, {0, 8}}}));
  const Mat32 q = multiply3x3by3x2(Mat3{{{2, 1, 3}, {0, 0, 0}, {0, 0, 0}}}, projectionMatrix());
  EXPECT_FLOAT_EQ(q[0][0], 8 * 1 - 0.5f * 2);
  EXPECT_FLOAT_EQ(q[0][1], 8 * 3 - 0.25f * 2);
  EXPECT_EQ(icosahedronFrame(1).size(), 20u);
  // At 360 degrees the solid is back where it started.
  const auto start = multiply3x3by3x2(icosahedronFaces()[0], projectionMatrix());
  const auto full = icosahedronFrame(360)[0];
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 2; ++j)
      EXPECT_NEAR(full[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)],
                  start[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)], 1e-4);
}

}  // namespace
}  // namespace oza
