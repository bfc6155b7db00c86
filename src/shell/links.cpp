// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/links.h"

#include <cstdlib>

namespace oza {

std::string siteRoot() {
  const char* replaced = std::getenv("OZA_SITE_URL");
  std::string root = replaced && *replaced ? replaced : std::string("http://") + kSiteHost;
  while (!root.empty() && root.back() == '/') root.pop_back();
  return root;
}

std::string downloadPageUrl() { return siteRoot() + "/downloads/Utilities/OZA/"; }
std::string winFlashUrl() { return siteRoot() + "/downloads/1122/Winflash_2.0.1.2.html"; }
std::string forumUrl() { return siteRoot() + "/forumdisplay.php?f=63"; }
std::string fanHelpUrl() { return std::string("http://") + kFanHelpHost + "/showpost.php?p=2629869&postcount=1"; }

}  // namespace oza
