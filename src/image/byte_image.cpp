#include "image/byte_image.h"

#include <algorithm>
#include <string>

namespace oza {

OutOfImage::OutOfImage(std::int64_t position)
    : std::out_of_range("position " + std::to_string(position) + " outside the image") {}

std::uint8_t ByteImage::at(std::int64_t position) const {
  if (!contains(position)) throw OutOfImage(position);
  return bytes_[static_cast<std::size_t>(position)];
}

void ByteImage::set(std::int64_t position, std::uint8_t value) {
  if (!contains(position)) throw OutOfImage(position);
  bytes_[static_cast<std::size_t>(position)] = value;
}

void ByteImage::setWord(std::int64_t position, std::uint16_t value) {
  set(position, static_cast<std::uint8_t>(value));
  set(position + 1, static_cast<std::uint8_t>(value >> 8));
}

void ByteImage::setClock(std::int64_t position, std::uint32_t value) {
  setWord(position, static_cast<std::uint16_t>(value));
  set(position + 2, static_cast<std::uint8_t>(value >> 16));
}

std::uint32_t ByteImage::word(std::int64_t position) const {
  return at(position) | (std::uint32_t{at(position + 1)} << 8);
}

std::uint32_t ByteImage::clock(std::int64_t position) const {
  return word(position) | (std::uint32_t{at(position + 2)} << 16);
}

std::uint32_t ByteImage::dword(std::int64_t position) const {
  return clock(position) | (std::uint32_t{at(position + 3)} << 24);
}

std::int64_t ByteImage::find(std::uint8_t value, std::int64_t from, std::int64_t to) const {
  from = std::max<std::int64_t>(from, 0);
  to = std::min(to, last());
  if (from > to) return -1;
  auto begin = bytes_.begin() + from;
  auto end = bytes_.begin() + to + 1;
  auto it = std::find(begin, end, value);
  return it == end ? -1 : it - bytes_.begin();
}

std::int64_t ByteImage::find(const std::vector<std::uint8_t>& pattern, std::int64_t from,
                             std::int64_t lastStart) const {
  const auto n = static_cast<std::int64_t>(pattern.size());
  from = std::max<std::int64_t>(from, 0);
  lastStart = std::min(lastStart, size() - n);
  if (n == 0 || from > lastStart) return -1;
  auto begin = bytes_.begin() + from;
  auto end = bytes_.begin() + lastStart + n;
  auto it = std::search(begin, end, pattern.begin(), pattern.end());
  return it == end ? -1 : it - bytes_.begin();
}

}  // namespace oza
