// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/check_rules.h"

namespace oza {

namespace {

// Scripts know a rule by its key; the report lists the rules in this order.
const CheckRule kRules[] = {
    {"loads", "Loads", false, checkLoads},
    {"file_length", "File length", false, checkFileLength},
    {"declared_length", "Declared image length", false, checkDeclaredLength},
    {"declared_checksum", "Declared image checksum", false, checkDeclaredChecksum},
    {"original_loads", "Original loads", true, checkOriginalLoads},
    {"length_as_original", "Length as the original", true, checkLengthAsOriginal},
    {"byte_sum_as_original", "Byte sum as the original", true, checkByteSumAsOriginal},
    {"gddr5_size", "GDDR5 image size", false, checkGddr5Size},
    {"clocks_within_overdrive_limits", "Clocks within the Overdrive limits", false, checkOverdriveLimits},
    {"powerplay_class_order", "PowerPlay classes in order", false, checkClassOrder},
    {"gddr5_memory_clocks", "GDDR5 clock infos share one memory clock", false, checkGddr5MemoryClocks},
    {"pci_image_chain", "PCI image chain", false, checkPciChain},
    {"whole_rom", "Whole ROM copy", false, checkWholeRom},
    {"tables_within_image", "Tables within the image", false, checkTablesWithinImage},
    {"tables_apart", "Tables apart", false, checkTablesApart},
    {"fan_table_rises", "Fan look-up table rises", false, checkFanTable},
    {"tmin_below_tmax", "Tmin below Tmax", false, checkTminBelowTmax},
    {"tslope_as_computed", "Stored Tslope as computed", false, checkStoredTslope},
    {"voltages_on_regulator_levels", "Voltages on the regulator's levels", false, checkVoltagesOnRegulatorLevels},
    {"voltages_within_regulator", "Voltages within the regulator's levels", false, checkVoltagesWithinRegulator},
    {"voltages_set", "Voltages the card can set", false, checkVoltagesSet},
    {"clocks_not_zero", "No zero clocks", false, checkClocksNotZero},
    {"clocks_within_pll", "Clocks within the PLL's range", false, checkClocksWithinPll},
    {"boot_state_from_firmware", "Boot state from the firmware", false, checkBootStateFromFirmware},
    {"state_levels", "States of at most three levels", false, checkStateLevels},
    {"fan_run_by_controller", "Fan run by the thermal controller", false, checkFanRunByController},
    {"voltages_within_original_range", "Voltages within the original's range", true, checkVoltagesInOriginalRange},
    {"clocks_near_original", "Clocks at most 20 % over the original's highest", true, checkClocksNearOriginal},
    {"ids_as_original", "IDs as the original", true, checkIdsAsOriginal},
    {"bytes_outside_known_fields", "Bytes outside known fields as the original", true, checkBytesOutsideKnownFields},
};

}  // namespace

std::span<const CheckRule> checkRules() { return kRules; }

}  // namespace oza
