#include "save/checksum_correction.h"

#include <string>

#include "platform/platform.h"
#include "save/checksum.h"

namespace oza {

bool correctChecksum(ByteImage& image, std::int32_t loadedCheckSum, bool preModified, Platform& platform) {
  const std::int32_t difference = checkSumDifference(image, loadedCheckSum);
  if (difference == kDifferenceFailed) {
    platform.message("Error calculation checksum difference. - Debug information: 'CheckSumDifference' reported error.",
                     MessageIcon::Information);
    return false;
  }
  const std::string suffix = preModified ? " Please try again with a plain, not previously modified BIOS file." : "";
  auto refuse = [&](const char* direction) {
    platform.message(std::string("Checksumdifference too large. Can't correct (") + direction + ")." + suffix,
                     MessageIcon::Error, MessageButtons::Ok, "Can't save.");
    return false;
  };
  try {
    if (difference > 0) {
      if (difference >= correctionRoomDown(image)) return refuse("down");
      if (!handleCorrectionDown(image, difference))
        platform.message("Error correcting Checksum (down)! - Debug information: 'HandleCorrectionDown(" +
                             std::to_string(difference) + ")' reported error.",
                         MessageIcon::Information);
    } else if (difference < 0) {
      if (difference <= -correctionRoomUp(image)) return refuse("up");
      if (!handleCorrectionUp(image, difference))
        platform.message("Error correcting Checksum (up)! - Debug information: 'HandleCorrectionUp(" +
                             std::to_string(difference) + ")' reported error.",
                         MessageIcon::Information);
    }
  } catch (const OutOfImage&) {
    // An image too short for the header area cannot be corrected; the final
    // test reports it.
  }
  if (byteSum(image) != loadedCheckSum) {
    platform.message(
        "Error during checksum correction. - Debug information: Checksum after correction not equal to loaded "
        "file checksum.",
        MessageIcon::Information);
    return false;
  }
  return true;
}

}  // namespace oza
