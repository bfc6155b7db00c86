// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

#include "image/byte_image.h"

namespace oza {

// A bit field of one of the three fan registers.
struct FanField {
  int reg;   // 0, 1 or 2
  int high;  // highest bit
  int low;   // lowest bit
  constexpr int width() const { return high - low + 1; }
  constexpr std::uint32_t mask() const { return ((std::uint32_t{1} << width()) - 1) << low; }
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

// The field's value in the register whose immediate is at `position`;
// nothing when the register lies outside the image.
std::optional<int> readFanField(const ByteImage& image, std::int64_t position, const FanField& field);

// Writes `value` into the field. No value, or one that is not a whole number
// from 0 to the field's largest, leaves the register as it was and still
// counts as written. False when the register was never found or lies
// outside the image.
[[nodiscard]] bool writeFanField(ByteImage& image, const std::optional<std::int64_t>& position, const FanField& field,
                                 const std::optional<double>& value);

}  // namespace oza
