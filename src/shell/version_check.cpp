// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/version_check.h"

#include <memory>

#include "files/file_reading.h"
#include "text/latin1.h"
#include "text/number_text.h"
#include "platform/platform.h"
#include "platform/temp_file.h"
#include "shell/links.h"
#include "shell/mail.h"

namespace oza {

namespace {
// The download page is a few kilobytes; a server that sends more is not read.
constexpr std::uintmax_t kLargestDownloadPage = 4 * 1024 * 1024;
}  // namespace

std::string latestVersion(const std::string& page) {
  const std::string marker = kVersionMarker;
  const auto found = toLower(page).find(toLower(marker));
  // 1-based position of the marker (0 when missing) plus its length.
  const std::size_t position = (found == std::string::npos ? 0 : found + 1) + marker.size();
  return position - 1 < page.size() ? page.substr(position - 1, 4) : std::string();
}

bool isUpToDate(const std::string& running, const std::string& latest) {
  return running == latest || textValue(running) >= textValue(latest);
}

void runVersionCheck(Platform& platform, const std::string& running, std::function<void()> finished) {
  auto fail = [&platform, finished] {
    platform.setBusy(false);
    platform.message(
        "Can't download info file from server. Please check your internet connection and firewall settings.",
        MessageIcon::Critical, MessageButtons::Ok, "Unable to check for new version");
    if (finished) finished();
  };
  platform.testReachable(siteRoot(), [&platform, running, finished, fail](bool reachable) {
    if (!reachable) return fail();
    const std::string page = downloadPageUrl();
    const std::string temporary = tempFilePath(platform, "OZA");
    platform.setBusy(true);
    platform.testReachable(siteRoot(), [&platform, running, finished, fail, page, temporary](bool again) {
      if (!again || temporary.empty()) {
        if (!temporary.empty()) deleteTempFile(temporary);
        return fail();
      }
      platform.download(page, temporary, [&platform, running, finished, fail, page, temporary](bool downloaded) {
        if (!downloaded) {
          deleteTempFile(temporary);
          return fail();
        }
        const auto read = readRegularFile(temporary, {kLargestDownloadPage, true});
        if (!read) {
          deleteTempFile(temporary);
          return fail();
        }
        const std::string& text = *read;
        if (!deleteTempFile(temporary))
          platform.message("Not critical: Tempfile " + temporary + " could not be deleted. Possibly access restricted?",
                           MessageIcon::Information);
        const std::string latest = latin1ToUtf8(latestVersion(text));
        platform.setBusy(false);
        if (isUpToDate(running, latest)) {
          platform.message("This version is up to date!", MessageIcon::Information, MessageButtons::Ok,
                           "Version up to date");
        } else if (platform.message("This version is out of date. Current version is v" + latest +
                                        ". Open webpage to download new version?",
                                    MessageIcon::None, MessageButtons::YesNo,
                                    "Download new version?") == MessageAnswer::Yes) {
          shellOpen(platform, page);
        }
        if (finished) finished();
      });
    });
  });
}

}  // namespace oza
