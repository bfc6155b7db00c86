// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "image/byte_image.h"

namespace oza {

// Why the byte sum could not be brought back.
enum class CorrectionRefusal {
  NoDifference,    // the difference could not be taken (no image)
  TooLargeDown,    // more to take away than the filler holds
  TooLargeUp,      // more to add than the header bytes take
  SumNotRestored,  // the final test: the sum is still another
};

// A step that could not walk its area; the final test runs after it.
enum class CorrectionStep { Down, Up };

struct ChecksumCorrection {
  std::int32_t difference = 0;
  std::optional<CorrectionStep> failedStep;
  std::optional<CorrectionRefusal> refusal;  // none: the image is ready to be written
};

// Brings the image's byte sum back to `loadedCheckSum` by lowering the
// filler or raising the reserved header bytes, and says how that went.
ChecksumCorrection correctChecksum(ByteImage& image, std::int32_t loadedCheckSum);

// The messages of a correction: of its failed step, and of its refusal.
// `preModified` (the state of the pre-modified check box) asks for a plain
// file in the refusal of a difference too large.
std::string correctionStepMessage(const ChecksumCorrection& correction);
std::string correctionRefusalMessage(const ChecksumCorrection& correction, bool preModified);

}  // namespace oza
