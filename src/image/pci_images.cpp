// SPDX-License-Identifier: GPL-3.0-or-later

#include "image/pci_images.h"

#include <algorithm>

namespace oza {

namespace {

constexpr std::int64_t kSector = 512;
constexpr std::int64_t kHeaderSize = 0x1A;
constexpr std::int64_t kDataPointer = 0x18;  // in the ROM header
// In the PCI data structure:
constexpr std::int64_t kVendor = 4, kDevice = 6, kImageLength = 0x10, kCodeType = 0x14, kIndicator = 0x15;
constexpr std::int64_t kShortestStruct = 0x18;

bool headerAt(const ByteImage& image, std::int64_t at) {
  return at % kSector == 0 && image.holds(at, kHeaderSize) && image.word(at) == 0xAA55u;
}

// The data structure an image header points to, when it is one. Only its
// signature is tested, as the kernel does when it sizes the ROM it gives.
std::optional<std::int64_t> dataStructureOf(const ByteImage& image, std::int64_t header) {
  const std::int64_t at = header + *image.word(header + kDataPointer);
  if (!image.holds(at, kShortestStruct)) return std::nullopt;
  if (image.dword(at) != 0x52494350u) return std::nullopt;  // "PCIR"
  return at;
}

}  // namespace

PciImageChain walkPciImages(const ByteImage& image) {
  PciImageChain chain;
  std::int64_t at = 0;
  while (headerAt(image, at)) {
    const std::optional<std::int64_t> data = dataStructureOf(image, at);
    if (!data) break;
    PciImage entry;
    entry.offset = at;
    entry.length = std::int64_t{*image.word(*data + kImageLength)} * kSector;
    entry.codeType = *image.at(*data + kCodeType);
    entry.vendorId = static_cast<std::uint16_t>(*image.word(*data + kVendor));
    entry.deviceId = static_cast<std::uint16_t>(*image.word(*data + kDevice));
    entry.last = (*image.at(*data + kIndicator) & 0x80) != 0;
    entry.dataOffset = *data;
    chain.images.push_back(entry);
    at += entry.length;
    if (entry.length == 0 || entry.last) break;
  }
  chain.end = at;
  chain.pastEnd = at > image.size();
  const std::int64_t tail = std::min(at, image.size());
  chain.tailBytes = image.size() - tail;
  const auto& bytes = image.bytes();
  chain.tailData =
      std::count_if(bytes.begin() + tail, bytes.end(), [](std::uint8_t b) { return b != 0x00 && b != 0xFF; });
  return chain;
}

std::string codeTypeName(std::uint8_t codeType) {
  switch (codeType) {
    case 0: return "x86";
    case 1: return "Open Firmware";
    case 3: return "EFI";
    default: return "type " + std::to_string(codeType);
  }
}

}  // namespace oza
