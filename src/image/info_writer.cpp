#include "image/info_writer.h"

#include <iterator>
#include <optional>

#include "image/atom_layout.h"
#include "text/latin1.h"

namespace oza {

namespace {

// Writes the text's characters over the range; false when the text has a
// character without an 8-bit code or is too short for the range. OutOfImage
// when the range lies outside the image.
bool writeString(ByteImage& image, const StringRange& range, const std::string& text) {
  const std::optional<std::string> bytes = utf8ToLatin1(text);
  if (!bytes) return false;
  if (range.last - range.first + 1 > static_cast<std::int64_t>(bytes->size())) return false;
  for (std::int64_t p = range.first; p <= range.last; ++p)
    image.set(p, static_cast<std::uint8_t>((*bytes)[static_cast<std::size_t>(p - range.first)]));
  return true;
}

}  // namespace

std::optional<std::string> unencodableReason(const InfoChanges& changes) {
  for (int box = 0; box <= kInfoStrings; ++box) {
    const std::optional<std::string>& text = box == 0 ? changes.date : changes.strings[static_cast<std::size_t>(box - 1)];
    if (!text) continue;
    const std::optional<std::string> character = firstNonLatin1(*text);
    if (!character) continue;
    const std::string name = characterName(*character);
    const std::string shown = name.rfind("U+", 0) == 0 ? "\"" + *character + "\" (" + name + ")" : name;
    return "The character " + shown + " in the " + kInfoBoxMeanings[box] + " (InfoText(" + std::to_string(box) +
           ")) has no 8-bit code.";
  }
  return std::nullopt;
}

std::string infoWriteMessage(InfoWriteError error) {
  // In the order of InfoWriteError; the code is the one the message has
  // always named.
  static const struct {
    const char* what;
    int code;
  } texts[] = {
      {"Error writing BIOS information. Maybe no BIOS loaded before?", 0},
      {"Error writing BIOS version string.", 3},
      {"Error writing reported chip type.", 4},
      {"Error writing hardware specs string.", 5},
      {"Error writing copyright message.", 6},
      {"Error writing ATOM BIOS version.", 7},
      {"Error writing power cable error message.", 8},
      {"Error writing sub vendor ID.", 9},
      {"Error writing video card ID.", 10},
  };
  const auto& text = texts[static_cast<std::size_t>(error)];
  const bool tooLong = error >= InfoWriteError::BiosVersionTooLong && error <= InfoWriteError::PowerCableMessageTooLong;
  return std::string(text.what) + (tooLong ? " Maybe string too long (can't be longer than original one)?" : "") +
         " - Debug information: 'WriteInfoSettings' reported " + std::to_string(text.code) + ".";
}

std::optional<InfoWriteError> writeInfoSettings(ByteImage& image, const InfoStrings& strings,
                                                const InfoChanges& changes) {
  static constexpr InfoWriteError kTooLong[kInfoStrings] = {
      InfoWriteError::BiosVersionTooLong,     InfoWriteError::ChipTypeTooLong,
      InfoWriteError::HardwareSpecsTooLong,   InfoWriteError::CopyrightTooLong,
      InfoWriteError::AtomBiosVersionTooLong, InfoWriteError::PowerCableMessageTooLong};
  if (changes.tooLong) return kTooLong[*changes.tooLong];

  // The positions the load found; the strings are never searched for again.
  const std::optional<StringPositions>& positions = strings.positions;
  if (!positions) return InfoWriteError::Failed;
  try {
    if (changes.date) {
      const std::optional<std::string> date = utf8ToLatin1(*changes.date);
      if (!date || static_cast<std::int64_t>(date->size()) < kDateLength) return InfoWriteError::Failed;
      for (std::int64_t i = 0; i < kDateLength; ++i)
        image.set(kDateFirst + i, static_cast<std::uint8_t>((*date)[static_cast<std::size_t>(i)]));
    }
    const StringRange* ranges[] = {&positions->biosVersion, &positions->chipType, &positions->hardwareSpecs,
                                   &positions->copyright, &positions->atomBiosVersion};
    for (std::size_t i = 0; i < std::size(ranges); ++i)
      if (changes.strings[i] && !writeString(image, *ranges[i], *changes.strings[i])) return InfoWriteError::Failed;
    const std::optional<std::string>& cableMessage = changes.strings[kInfoStrings - 1];
    if (!strings.powerCableMessage.empty() && cableMessage &&
        (!positions->powerCableMessage || !writeString(image, *positions->powerCableMessage, *cableMessage)))
      return InfoWriteError::Failed;
  } catch (const OutOfImage&) {
    return InfoWriteError::Failed;
  }
  try {
    if (changes.subVendorChanged) {
      if (!changes.subVendorId) return InfoWriteError::SubVendor;
      image.setWord(kSubVendorId, *changes.subVendorId);
    }
  } catch (const OutOfImage&) {
    return InfoWriteError::SubVendor;
  }
  try {
    if (changes.cardId) image.setWord(kCardId, *changes.cardId);
  } catch (const OutOfImage&) {
    return InfoWriteError::CardId;
  }
  return std::nullopt;
}

}  // namespace oza
