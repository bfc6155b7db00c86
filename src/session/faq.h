// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace oza {

// The FAQ shown in the text window, lines joined by CR LF.
std::string faqText();

}  // namespace oza
