// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/message_text.h"

namespace oza {

std::string withReason(const std::string& text, const std::string& reason) {
  return reason.empty() ? text : text + "\n" + reason;
}

namespace {

std::string escapedByte(unsigned value) {
  static const char digits[] = "0123456789ABCDEF";
  return {'\\', 'x', digits[(value >> 4) & 15], digits[value & 15]};
}

}  // namespace

std::string escapeControls(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    // C1 controls are U+0080..U+009F, in UTF-8 0xC2 0x80..0x9F.
    const bool c1 = byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                    static_cast<unsigned char>(text[i + 1]) <= 0x9F;
    if (byte < 0x20 || byte == 0x7F) {
      escaped += escapedByte(byte);
    } else if (c1) {
      escaped += escapedByte(static_cast<unsigned char>(text[++i]));
    } else {
      escaped += text[i];
    }
  }
  return escaped;
}

}  // namespace oza
