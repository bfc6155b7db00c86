// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>

#include "verify/check_rule.h"

namespace oza {

// Every rule, in the order the report lists them: check_table.cpp.
std::span<const CheckRule> checkRules();

// The rules themselves, each a RuleFunction.

// Of the file as read: file_rules.cpp.
void checkLoads(const ImageFile& file, const ImageFile*, Finding& found);
void checkFileLength(const ImageFile& file, const ImageFile*, Finding& found);
void checkDeclaredLength(const ImageFile& file, const ImageFile*, Finding& found);
void checkDeclaredChecksum(const ImageFile& file, const ImageFile*, Finding& found);

// Of the decoded image: content_rules.cpp, chain_rules.cpp, state_rules.cpp.
void checkGddr5Size(const ImageFile& file, const ImageFile*, Finding& found);
void checkOverdriveLimits(const ImageFile& file, const ImageFile*, Finding& found);
void checkGddr5MemoryClocks(const ImageFile& file, const ImageFile*, Finding& found);
void checkPciChain(const ImageFile& file, const ImageFile*, Finding& found);
void checkWholeRom(const ImageFile& file, const ImageFile*, Finding& found);
void checkClassOrder(const ImageFile& file, const ImageFile*, Finding& found);

// Of the layout of the AtomBIOS tables: table_rules.cpp.
void checkTablesWithinImage(const ImageFile& file, const ImageFile*, Finding& found);
void checkTablesApart(const ImageFile& file, const ImageFile*, Finding& found);

// Of the fan settings: fan_rules.cpp.
void checkFanTable(const ImageFile& file, const ImageFile*, Finding& found);
void checkTminBelowTmax(const ImageFile& file, const ImageFile*, Finding& found);
void checkStoredTslope(const ImageFile& file, const ImageFile*, Finding& found);

// What the card does with the values, by its own tables; with an original,
// a value it already holds is not judged: regulator_rules.cpp, driver_rules.cpp.
void checkVoltagesOnRegulatorLevels(const ImageFile& file, const ImageFile* original, Finding& found);
void checkVoltagesWithinRegulator(const ImageFile& file, const ImageFile* original, Finding& found);
void checkVoltagesSet(const ImageFile& file, const ImageFile* original, Finding& found);
void checkClocksNotZero(const ImageFile& file, const ImageFile* original, Finding& found);
void checkClocksWithinPll(const ImageFile& file, const ImageFile* original, Finding& found);
void checkBootStateFromFirmware(const ImageFile& file, const ImageFile* original, Finding& found);
void checkStateLevels(const ImageFile& file, const ImageFile*, Finding& found);
void checkFanRunByController(const ImageFile& file, const ImageFile* original, Finding& found);

// Against the card's original: original_rules.cpp.
void checkOriginalLoads(const ImageFile& file, const ImageFile* original, Finding& found);
void checkLengthAsOriginal(const ImageFile& file, const ImageFile* original, Finding& found);
void checkByteSumAsOriginal(const ImageFile& file, const ImageFile* original, Finding& found);
void checkVoltagesInOriginalRange(const ImageFile& file, const ImageFile* original, Finding& found);
void checkClocksNearOriginal(const ImageFile& file, const ImageFile* original, Finding& found);
void checkIdsAsOriginal(const ImageFile& file, const ImageFile* original, Finding& found);
void checkBytesOutsideKnownFields(const ImageFile& file, const ImageFile* original, Finding& found);

}  // namespace oza
