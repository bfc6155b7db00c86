// SPDX-License-Identifier: GPL-3.0-or-later

#include "save/checksum.h"

#include <algorithm>
#include <cstring>

#include "image/atom_layout.h"
#include "image/hex_fields.h"

namespace oza {

namespace {

constexpr std::uint8_t kFillerMarker = 0x5B;  // '['

// Highest i in [1, last] with byte i - 1 == before and byte i == 0xFF, or -1.
std::int64_t lastPair(const ByteImage& image, std::int64_t last, std::uint8_t before) {
  const auto& bytes = image.bytes();
  for (std::int64_t i = std::min(last, image.last()); i >= 1; --i)
    if (bytes[static_cast<std::size_t>(i)] == 0xFF && bytes[static_cast<std::size_t>(i - 1)] == before) return i;
  return -1;
}

// Every load and save sums the whole image and parts of it, some more than
// once: eight bytes at a time, as four 16-bit lanes of two bytes each. 128
// rounds add at most 128 * 510 to a lane, which still fits it.
std::int64_t sumOf(const std::uint8_t* bytes, std::size_t size) {
  constexpr std::uint64_t kEvenBytes = 0x00FF00FF00FF00FFull;
  std::int64_t sum = 0;
  std::size_t i = 0;
  while (size - i >= 8) {
    std::uint64_t lanes = 0;
    for (std::size_t round = 0; round < 128 && size - i >= 8; ++round, i += 8) {
      std::uint64_t word = 0;
      std::memcpy(&word, bytes + i, sizeof word);
      lanes += (word & kEvenBytes) + ((word >> 8) & kEvenBytes);
    }
    sum += static_cast<std::int64_t>((lanes & 0xFFFF) + ((lanes >> 16) & 0xFFFF) + ((lanes >> 32) & 0xFFFF) +
                                     (lanes >> 48));
  }
  for (; i < size; ++i) sum += bytes[i];
  return sum;
}

}  // namespace

std::optional<std::int64_t> rangeSum(const ByteImage& image, std::int64_t first, std::int64_t last) {
  first = std::max<std::int64_t>(first, 0);
  if (first > last) return 0;
  if (!image.contains(last)) return std::nullopt;
  return sumOf(image.bytes().data() + first, static_cast<std::size_t>(last - first + 1));
}

std::int64_t byteSum(const ByteImage& image) { return sumOf(image.bytes().data(), image.bytes().size()); }

std::int64_t declaredLength(const ByteImage& image) {
  return std::int64_t{image.at(kDeclaredSizeByte).value_or(0)} * 512;
}

std::optional<std::int64_t> fileCheckSum(const ByteImage& image) {
  if (image.empty()) return std::nullopt;
  return byteSum(image);
}

std::string checkSumText(std::int64_t sum) { return "0x" + hexText(static_cast<std::uint64_t>(sum) & 0xFFFF, 4); }

std::optional<std::int32_t> checkSumDifference(const ByteImage& image, std::int32_t loadedCheckSum) {
  if (image.empty()) return std::nullopt;
  return static_cast<std::int32_t>(byteSum(image) - loadedCheckSum);
}

std::int64_t checkedLast(const ByteImage& image) {
  const std::int64_t declared = declaredLength(image);
  if (declared >= 512 && declared < image.size()) return declared - 1;
  return image.last();
}

std::int64_t freeSpacePosition(const ByteImage& image) {
  const std::int64_t last = checkedLast(image);
  std::int64_t i = lastPair(image, last, kFillerMarker);
  if (last + 1 > kLargest64kImage) {
    const std::int64_t j = lastPair(image, last, 0x00);
    if (j >= 0 && rangeSum(image, j, last).value_or(1) % 255 == 0) i = j;
  }
  if (i < 0) return last + 1;
  return i + 5;
}

std::optional<std::int32_t> correctionRoomUp(const ByteImage& image) {
  const std::optional<std::int64_t> sum = rangeSum(image, kUpAreaFirst, kUpAreaLast);
  if (!sum) return std::nullopt;
  return static_cast<std::int32_t>(16 * 255 - *sum);
}

std::int64_t correctionRoomDown(const ByteImage& image) {
  return (checkedLast(image) - freeSpacePosition(image)) * 255;
}

bool checkPreModified(const ByteImage& image) {
  const std::optional<std::int64_t> header = rangeSum(image, kUpAreaFirst, kUpAreaLast);
  if (!header) return false;
  if (*header != 0) return true;
  return rangeSum(image, freeSpacePosition(image), checkedLast(image)).value_or(0) % 255 != 0;
}

bool handleCorrectionDown(ByteImage& image, std::int32_t n) {
  const std::int64_t last = checkedLast(image);
  for (std::int64_t p = freeSpacePosition(image); p <= last && n > 0; ++p) {
    const std::uint8_t byte = image.at(p).value_or(0);
    const int step = std::min<std::int32_t>(byte, n);
    if (!image.set(p, static_cast<std::uint8_t>(byte - step))) return false;
    n -= step;
  }
  return true;
}

bool handleCorrectionUp(ByteImage& image, std::int32_t n) {
  if (!image.contains(kUpAreaLast)) return false;
  for (std::int64_t p = kUpAreaFirst; p <= kUpAreaLast && n < 0; ++p) {
    const std::uint8_t byte = *image.at(p);
    const int step = std::min<std::int32_t>(255 - byte, -n);
    if (!image.set(p, static_cast<std::uint8_t>(byte + step))) return false;
    n += step;
  }
  return true;
}

}  // namespace oza
