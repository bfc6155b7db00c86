// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/mail.h"

#include <cstring>

#include "image/hex_fields.h"
#include "text/latin1.h"
#include "platform/platform.h"

namespace oza {

std::string urlEncode(const std::string& text) {
  // One character per byte, as the mail program receives them.
  const std::string bytes = utf8ToLatin1Lossy(text);
  std::string encoded;
  for (char c : bytes) {
    const auto code = static_cast<unsigned char>(c);
    const bool keep = (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9') ||
                      (code != 0 && std::strchr("-./_~&:?@#!$*+", code) != nullptr);
    encoded += keep ? std::string(1, c) : "%" + hexByte(static_cast<std::uint8_t>(code & 0xFF));
  }
  return encoded;
}

std::string mailtoText(const std::string& address, const std::string& subject, const std::string& cc,
                       const std::string& bcc, const std::string& body) {
  std::string query;
  if (!subject.empty()) query = "?Subject=" + urlEncode(subject);
  if (!cc.empty()) query += "&CC=" + cc;
  if (!bcc.empty()) query += "&BCC=" + bcc;
  if (!body.empty()) query += "&Body=" + urlEncode(body);
  if (!query.empty()) query[0] = '?';
  return "mailto:" + address + query;
}

bool shellOpen(Platform& platform, const std::string& target) {
  if (platform.openUrl(target)) return true;
  // The address is in the message, to be copied into a program by hand.
  platform.message("No program could open this address:\r\n" + target, MessageIcon::Information);
  return false;
}

bool sendMail(Platform& platform, const std::string& address, const std::string& subject, const std::string& cc,
              const std::string& bcc, const std::string& body) {
  return shellOpen(platform, mailtoText(address, subject, cc, bcc, body));
}

}  // namespace oza
