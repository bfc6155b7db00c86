#pragma once

#include <cstdint>

#include "image/byte_image.h"

namespace oza {

class Platform;

// Brings the image's byte sum back to `loadedCheckSum`, with the messages of
// a refusal or failure. True when the image is ready to be written.
// `preModified` is the state of the pre-modified check box.
bool correctChecksum(ByteImage& image, std::int32_t loadedCheckSum, bool preModified, Platform& platform);

}  // namespace oza
