// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace oza {

class Platform;

// Percent-encoding of a mail link: letters, digits and - . / _ ~ & : ? @ # ! $ * +
// stay, every other character becomes % and the hex of its byte.
std::string urlEncode(const std::string& text);
// "mailto:" with the address and the query made of the non-empty parts.
std::string mailtoText(const std::string& address, const std::string& subject, const std::string& cc,
                       const std::string& bcc, const std::string& body);

// Opens a link or a mail text in the user's default program.
bool shellOpen(Platform& platform, const std::string& target);
bool sendMail(Platform& platform, const std::string& address, const std::string& subject, const std::string& cc,
              const std::string& bcc, const std::string& body);

}  // namespace oza
