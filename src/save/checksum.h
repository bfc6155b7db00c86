// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "image/byte_image.h"

namespace oza {

// The checksum of an image is the plain sum of its bytes. Saving brings it
// back to the sum the image had when it was loaded by raising the reserved
// header bytes 0x07..0x16 or lowering the filler at the end of the image.

inline constexpr std::int64_t kUpAreaFirst = 0x07;
inline constexpr std::int64_t kUpAreaLast = 0x16;

// The byte sum; nothing without an image.
std::optional<std::int64_t> fileCheckSum(const ByteImage& image);
// "0x" and the low 16 bits of a sum as four hex digits, as the window shows it.
std::string checkSumText(std::int64_t sum);

std::int64_t byteSum(const ByteImage& image);
// Sum of the bytes first..last (from 0 when `first` is below); nothing when
// `last` lies beyond the image.
std::optional<std::int64_t> rangeSum(const ByteImage& image, std::int64_t first, std::int64_t last);

// The image length byte 0x02 declares (in 512-byte blocks); 0 when the image
// is too short to hold that byte.
std::int64_t declaredLength(const ByteImage& image);

// Current byte sum minus the loaded one; nothing without an image.
std::optional<std::int32_t> checkSumDifference(const ByteImage& image, std::int32_t loadedCheckSum);

// Last index of the image the card's firmware checks: byte 0x02 counts it in
// 512-byte blocks. Files that hold a second image after a shorter declared
// one are corrected only inside the declared image, so that both the file's
// sum and the declared image's checksum survive.
std::int64_t checkedLast(const ByteImage& image);

// First position of the filler area that the down-correction lowers; past
// checkedLast() when the image has no filler marker.
std::int64_t freeSpacePosition(const ByteImage& image);
// Room of the up-correction; nothing for an image too short for the header area.
std::optional<std::int32_t> correctionRoomUp(const ByteImage& image);
// Room of the down-correction as the correction procedure reckons it.
std::int64_t correctionRoomDown(const ByteImage& image);

// Whether the correction areas show that the image was corrected before.
bool checkPreModified(const ByteImage& image);

// Lower the filler area by n units (n > 0) / raise the header bytes by -n
// units (n < 0), each byte used up before the next is touched. True when the
// area was walked; false for an area outside the image (nothing written
// then); a shortfall shows in the final sum test.
bool handleCorrectionDown(ByteImage& image, std::int32_t n);
bool handleCorrectionUp(ByteImage& image, std::int32_t n);

}  // namespace oza
