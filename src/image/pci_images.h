// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/byte_image.h"

namespace oza {

// One image of the chain a PCI option ROM holds: the AtomBIOS image first,
// often an EFI driver after it. Read from the image's PCI data structure
// ("PCIR"), as the kernel reads the chain to size the ROM it gives.
struct PciImage {
  std::int64_t offset = 0;
  std::int64_t length = 0;    // bytes: the data structure's length in 512-byte units
  std::uint8_t codeType = 0;  // 0 x86 (PC-AT), 1 Open Firmware, 3 EFI
  std::uint16_t vendorId = 0;
  std::uint16_t deviceId = 0;
  bool last = false;            // the data structure marks it as the last one
  std::int64_t dataOffset = 0;  // where its data structure lies
  bool operator==(const PciImage&) const = default;
};

// Every image of the chain, and what the file holds after it.
struct PciImageChain {
  std::vector<PciImage> images;
  // Where the chain ends: after its last image. Beyond the file when an
  // image claims more bytes than the file has.
  std::int64_t end = 0;
  bool pastEnd = false;
  std::int64_t tailBytes = 0;  // after the chain, to the end of the file
  std::int64_t tailData = 0;   // of them, those that are neither 0x00 nor 0xFF
  bool operator==(const PciImageChain&) const = default;
};

// The chain from the start of `image`, image by image while each one begins
// with 0x55 0xAA on a 512-byte boundary and points to a valid data structure,
// up to the one marked last or one of length 0.
PciImageChain walkPciImages(const ByteImage& image);

// "x86", "Open Firmware", "EFI", or "type N".
std::string codeTypeName(std::uint8_t codeType);

}  // namespace oza
