// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace oza {

// Fixed places in the first bytes of an AtomBIOS image, and the offsets
// that lead from there to the PowerPlay table. Readers and writers use the
// same names, so that a field is found where it is written.

inline constexpr std::int64_t kDeclaredSizeByte = 0x02;    // image size in 512-byte blocks
inline constexpr std::int64_t kRomHeaderPointer = 0x48;    // word: the ROM header
inline constexpr std::int64_t kDateFirst = 0x50;           // the date/time text
inline constexpr std::int64_t kDateLast = 0x5E;            // as read; a save writes one less
inline constexpr std::int64_t kDateLength = 14;            // bytes a save writes
inline constexpr std::int64_t kStringBlockPointer = 0x6E;  // byte: the information strings
inline constexpr std::int64_t kSubVendorId = 0x7C;         // word
inline constexpr std::int64_t kCardId = 0x88;              // word

// The size that tells a 64 kB image from a larger one: a GDDR5 image below
// it was likely read out cut short, and the filler of one above it may end
// in 00 FF instead of "[" FF.
inline constexpr std::int64_t kLargest64kImage = 65537;

// In the ROM header.
inline constexpr std::int64_t kMasterCommandTable = 0x1E;  // word
inline constexpr std::int64_t kMasterDataTable = 0x20;     // word
// In the master data table.
inline constexpr std::int64_t kPowerPlayEntry = 0x22;  // word

// In the PowerPlay table header (revisions 4 and 5).
inline constexpr std::int64_t kPowerPlayRevision = 0x02;        // byte
inline constexpr std::int64_t kPowerPlayStateCount = 0x05;      // byte
inline constexpr std::int64_t kPowerPlayStateEntrySize = 0x06;  // byte
inline constexpr std::int64_t kPowerPlayClockInfoSize = 0x07;   // byte
inline constexpr std::int64_t kPowerPlayNonClockSize = 0x08;    // byte
inline constexpr std::int64_t kPowerPlayStateArray = 0x09;      // word, from the table
inline constexpr std::int64_t kPowerPlayClockInfoArray = 0x0B;  // word, from the table
inline constexpr std::int64_t kPowerPlayNonClockArray = 0x0D;   // word, from the table

}  // namespace oza
