#pragma once

#include <cstdint>
#include <string>

#include "image/byte_image.h"
#include "image/info_strings.h"

namespace oza {

class InfoTab;

// Writes the information tab back at the positions the load found: the
// date/time, the six strings (never longer than the strings they replace;
// shorter ones are padded with spaces in their box too), the sub vendor and
// video card IDs. What still shows as loaded keeps its bytes. Codes: 1 success,
// 3..8 a string too long (nothing written), 9 sub vendor, 10 video card ID,
// 0 any other failure.
std::int16_t WriteInfoSettings(ByteImage& image, const InfoStrings& strings, InfoTab& tab,
                               const std::string& VideoCardID);

// Characters 3 to 6 of Combo1's text at 0x7C.
bool WriteSubVendor(ByteImage& image, const InfoTab& tab);
// The ID of the selected card at 0x88; nothing without a selection. The
// entry the loaded ID selects writes that ID back unchanged.
bool WriteVideoCardID(ByteImage& image, const InfoTab& tab, const std::string& VideoCardID);

}  // namespace oza
