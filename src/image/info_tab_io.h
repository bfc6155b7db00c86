#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "image/byte_image.h"
#include "image/info_strings.h"
#include "image/info_writer.h"

namespace oza {

class InfoTab;

// Selects the image's sub vendor ID in subVendor; false when the image is too
// short for it.
bool showSubVendor(InfoTab& tab, const ByteImage& image);
// Selects the image's video card in videoCard and gives its card ID; nothing
// when the image is too short for it.
std::optional<std::uint16_t> showCardType(InfoTab& tab, const ByteImage& image);
// "0x" and the image size in hexadecimal, at least four digits.
std::string biosSizeText(const ByteImage& image);
// Fills the texts, the checksum (already formatted) and size captions, and
// marks the detected memory size, RAM type, bus width and card interface.
void showBiosInfo(InfoTab& tab, const ByteImage& image, const InfoStrings& strings, const std::string& checksumText);


// Writes what the user changed on the tab (see InfoTab::changedSettings) at
// the positions the load found.
std::optional<InfoWriteError> saveInfoSettings(ByteImage& image, const InfoStrings& strings,
                                               std::uint16_t loadedCardId, InfoTab& tab);

}  // namespace oza
