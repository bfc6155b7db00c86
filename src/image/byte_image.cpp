// SPDX-License-Identifier: GPL-3.0-or-later

#include "image/byte_image.h"

#include <algorithm>

namespace oza {

std::optional<std::uint8_t> ByteImage::at(std::int64_t position) const {
  if (!contains(position)) return std::nullopt;
  return bytes_[static_cast<std::size_t>(position)];
}

std::uint32_t ByteImage::field(std::int64_t position, int length) const {
  std::uint32_t value = 0;
  for (int i = length - 1; i >= 0; --i) value = value << 8 | bytes_[static_cast<std::size_t>(position + i)];
  return value;
}

std::optional<std::uint32_t> ByteImage::word(std::int64_t position) const {
  if (!holds(position, 2)) return std::nullopt;
  return field(position, 2);
}

std::optional<std::uint32_t> ByteImage::clock(std::int64_t position) const {
  if (!holds(position, 3)) return std::nullopt;
  return field(position, 3);
}

std::optional<std::uint32_t> ByteImage::dword(std::int64_t position) const {
  if (!holds(position, 4)) return std::nullopt;
  return field(position, 4);
}

bool ByteImage::setField(std::int64_t position, int length, std::uint32_t value) {
  if (!holds(position, length)) return false;
  for (int i = 0; i < length; ++i)
    bytes_[static_cast<std::size_t>(position + i)] = static_cast<std::uint8_t>(value >> (8 * i));
  return true;
}

bool ByteImage::set(std::int64_t position, std::uint8_t value) { return setField(position, 1, value); }
bool ByteImage::setWord(std::int64_t position, std::uint16_t value) { return setField(position, 2, value); }
bool ByteImage::setClock(std::int64_t position, std::uint32_t value) { return setField(position, 3, value); }
bool ByteImage::setDword(std::int64_t position, std::uint32_t value) { return setField(position, 4, value); }

std::optional<std::int64_t> ByteImage::find(std::uint8_t value, std::int64_t from, std::int64_t to) const {
  from = std::max<std::int64_t>(from, 0);
  to = std::min(to, last());
  if (from > to) return std::nullopt;
  auto begin = bytes_.begin() + from;
  auto end = bytes_.begin() + to + 1;
  auto it = std::find(begin, end, value);
  if (it == end) return std::nullopt;
  return it - bytes_.begin();
}

std::optional<std::int64_t> ByteImage::find(const std::vector<std::uint8_t>& pattern, std::int64_t from,
                                            std::int64_t lastStart) const {
  const auto n = static_cast<std::int64_t>(pattern.size());
  from = std::max<std::int64_t>(from, 0);
  lastStart = std::min(lastStart, size() - n);
  if (n == 0 || from > lastStart) return std::nullopt;
  auto begin = bytes_.begin() + from;
  auto end = bytes_.begin() + lastStart + n;
  auto it = std::search(begin, end, pattern.begin(), pattern.end());
  if (it == end) return std::nullopt;
  return it - bytes_.begin();
}

}  // namespace oza
