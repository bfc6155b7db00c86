// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace oza {

// The publishing site. OZA_SITE_URL replaces its root (scheme and host), for
// trying the version check against another server.
inline constexpr const char* kSiteHost = "oza.example.org";
// The other hardware site whose forum explains the fan settings.
inline constexpr const char* kFanHelpHost = "forum.example.net";
inline constexpr const char* kAuthorMail = "oza-author@oza.example.org";
inline constexpr const char* kMailSubject = "Comments on ATI OZA - Ozarin BIOS editor";

std::string siteRoot();
std::string downloadPageUrl();
std::string winFlashUrl();
std::string forumUrl();
std::string fanHelpUrl();

}  // namespace oza
