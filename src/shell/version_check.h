// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

namespace oza {

class Platform;

inline constexpr const char* kVersionMarker = "Ozarin Bios Editor v";

// The four characters after the marker (found ignoring case); without a
// marker, the four characters from the 20th on.
std::string latestVersion(const std::string& page);
// Up to date when the texts are equal or the running version's number is not
// smaller than the latest one's.
bool isUpToDate(const std::string& running, const std::string& latest);

// "Check for new OZA version...": reachability, download of the download
// page, comparison, and the outcome as a message. Runs through the
// platform's asynchronous network calls; `finished` runs at the end.
void runVersionCheck(Platform& platform, const std::string& running, std::function<void()> finished = {});

}  // namespace oza
