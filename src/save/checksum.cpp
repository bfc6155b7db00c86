#include "save/checksum.h"

#include <algorithm>
#include <numeric>

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

}  // namespace

std::int64_t rangeSum(const ByteImage& image, std::int64_t first, std::int64_t last) {
  first = std::max<std::int64_t>(first, 0);
  if (first > last) return 0;
  image.at(last);
  const auto& bytes = image.bytes();
  return std::accumulate(bytes.begin() + first, bytes.begin() + last + 1, std::int64_t{0});
}

std::int64_t byteSum(const ByteImage& image) { return rangeSum(image, 0, image.last()); }

std::int64_t declaredLength(const ByteImage& image) {
  return image.contains(kDeclaredSizeByte) ? std::int64_t{image.at(kDeclaredSizeByte)} * 512 : 0;
}

std::optional<std::int64_t> fileCheckSum(const ByteImage& image) {
  if (image.empty()) return std::nullopt;
  return byteSum(image);
}

std::string checkSumText(std::int64_t sum) { return "0x" + hexText(static_cast<std::uint64_t>(sum) & 0xFFFF, 4); }

std::int32_t checkSumDifference(const ByteImage& image, std::int32_t loadedCheckSum) {
  if (image.empty()) return kDifferenceFailed;
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
    if (j >= 0 && rangeSum(image, j, last) % 255 == 0) i = j;
  }
  if (i < 0) return last + 1;
  return i + 5;
}

std::int32_t correctionRoomUp(const ByteImage& image) {
  return static_cast<std::int32_t>(16 * 255 - rangeSum(image, kUpAreaFirst, kUpAreaLast));
}

std::int64_t correctionRoomDown(const ByteImage& image) {
  return (checkedLast(image) - freeSpacePosition(image)) * 255;
}

bool checkPreModified(const ByteImage& image) {
  try {
    if (rangeSum(image, kUpAreaFirst, kUpAreaLast) != 0) return true;
    return rangeSum(image, freeSpacePosition(image), checkedLast(image)) % 255 != 0;
  } catch (const OutOfImage&) {
    return false;
  }
}

bool handleCorrectionDown(ByteImage& image, std::int32_t n) {
  try {
    const std::int64_t last = checkedLast(image);
    for (std::int64_t p = freeSpacePosition(image); p <= last && n > 0; ++p) {
      const int step = std::min<std::int32_t>(image.at(p), n);
      image.set(p, static_cast<std::uint8_t>(image.at(p) - step));
      n -= step;
    }
    return true;
  } catch (const OutOfImage&) {
    return false;
  }
}

bool handleCorrectionUp(ByteImage& image, std::int32_t n) {
  try {
    for (std::int64_t p = kUpAreaFirst; p <= kUpAreaLast && n < 0; ++p) {
      const int step = std::min<std::int32_t>(255 - image.at(p), -n);
      image.set(p, static_cast<std::uint8_t>(image.at(p) + step));
      n += step;
    }
    return true;
  } catch (const OutOfImage&) {
    return false;
  }
}

}  // namespace oza
