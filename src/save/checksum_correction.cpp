// SPDX-License-Identifier: GPL-3.0-or-later

#include "save/checksum_correction.h"

#include "save/checksum.h"

namespace oza {

ChecksumCorrection correctChecksum(ByteImage& image, std::int32_t loadedCheckSum) {
  ChecksumCorrection correction;
  const std::optional<std::int32_t> difference = checkSumDifference(image, loadedCheckSum);
  if (!difference) {
    correction.refusal = CorrectionRefusal::NoDifference;
    return correction;
  }
  correction.difference = *difference;
  if (*difference > 0) {
    if (*difference >= correctionRoomDown(image)) {
      correction.refusal = CorrectionRefusal::TooLargeDown;
      return correction;
    }
    if (!handleCorrectionDown(image, *difference)) correction.failedStep = CorrectionStep::Down;
  } else if (*difference < 0) {
    // An image too short for the header area cannot be corrected; the final
    // test reports it.
    if (const std::optional<std::int32_t> room = correctionRoomUp(image)) {
      if (*difference <= -*room) {
        correction.refusal = CorrectionRefusal::TooLargeUp;
        return correction;
      }
      if (!handleCorrectionUp(image, *difference)) correction.failedStep = CorrectionStep::Up;
    }
  }
  if (byteSum(image) != loadedCheckSum) correction.refusal = CorrectionRefusal::SumNotRestored;
  return correction;
}

std::string correctionStepMessage(const ChecksumCorrection& correction) {
  if (!correction.failedStep) return {};
  const bool down = *correction.failedStep == CorrectionStep::Down;
  return std::string("Error correcting Checksum (") + (down ? "down" : "up") + ")! - Debug information: '" +
         (down ? "HandleCorrectionDown(" : "HandleCorrectionUp(") + std::to_string(correction.difference) +
         ")' reported error.";
}

std::string correctionRefusalMessage(const ChecksumCorrection& correction, bool preModified) {
  if (!correction.refusal) return {};
  const std::string suffix = preModified ? " Please try again with a plain, not previously modified BIOS file." : "";
  switch (*correction.refusal) {
    case CorrectionRefusal::NoDifference:
      return "Error calculation checksum difference. - Debug information: 'CheckSumDifference' reported error.";
    case CorrectionRefusal::TooLargeDown: return "Checksumdifference too large. Can't correct (down)." + suffix;
    case CorrectionRefusal::TooLargeUp: return "Checksumdifference too large. Can't correct (up)." + suffix;
    case CorrectionRefusal::SumNotRestored: break;
  }
  return "Error during checksum correction. - Debug information: Checksum after correction not equal to loaded file "
         "checksum.";
}

}  // namespace oza
