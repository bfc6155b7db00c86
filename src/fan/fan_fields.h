#pragma once

#include <cstdint>
#include <string>

#include "image/byte_image.h"

namespace oza {

// A bit field of one of the three fan registers.
struct FanField {
  int reg;   // 0, 1 or 2
  int high;  // highest bit
  int low;   // lowest bit
  int width() const { return high - low + 1; }
  // Character position (1 = bit 31) of the field's last bit in the register's
  // 32-character binary text.
  int end() const { return 32 - low; }
};

inline constexpr FanField kControlMode{2, 13, 11};
inline constexpr FanField kDutyScale{1, 7, 0};
inline constexpr FanField kTmin{2, 7, 0};
inline constexpr FanField kTmax{2, 24, 17};
inline constexpr FanField kTslope{1, 23, 16};
inline constexpr FanField kDutyMin{1, 15, 8};
inline constexpr FanField kHysteresis{0, 22, 17};
inline constexpr FanField kTminHysteresis{2, 16, 14};
inline constexpr FanField kSpinUpCycle{0, 15, 8};
inline constexpr FanField kSpinUpTime{2, 10, 8};
inline constexpr FanField kPwmRampOn{0, 23, 23};
inline constexpr FanField kPwmRamp{0, 31, 24};

// The field's value in the register whose immediate is at `position`; 0 on
// any error.
int ReadFanField(const ByteImage& image, std::int32_t position, const FanField& field);

// Writes `valueText` (a whole non-negative decimal number) into the field.
// A text that is not such a number, or too wide for the field, leaves the
// register as it was and still counts as written. False when the register
// lies outside the image or its position is 0 (never found).
bool WriteFanField(ByteImage& image, std::int32_t position, const FanField& field, const std::string& valueText);

}  // namespace oza
