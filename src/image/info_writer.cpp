// SPDX-License-Identifier: GPL-3.0-or-later

#include "image/info_writer.h"

#include <iterator>
#include <optional>

#include "image/atom_layout.h"
#include "text/latin1.h"

namespace oza {

namespace {

// Writes the first `length` bytes of a text at `first`; false, writing
// nothing, when the text is shorter or the range lies outside the image.
bool writeBytes(ByteImage& image, std::int64_t first, std::int64_t length, const std::string& bytes) {
  if (length > static_cast<std::int64_t>(bytes.size()) || !image.holds(first, length)) return false;
  for (std::int64_t i = 0; i < length; ++i)
    if (!image.set(first + i, static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(i)]))) return false;
  return true;
}

// Writes the text's characters over the range; false when the text has a
// character without an 8-bit code, is too short for the range or the range
// lies outside the image.
bool writeString(ByteImage& image, const StringRange& range, const std::string& text) {
  const std::optional<std::string> bytes = utf8ToLatin1(text);
  return bytes && writeBytes(image, range.first, range.last - range.first + 1, *bytes);
}

}  // namespace

std::optional<std::string> unencodableReason(const InfoChanges& changes) {
  for (int box = 0; box <= kInfoStrings; ++box) {
    const std::optional<std::string>& text =
        box == 0 ? changes.date : changes.strings[static_cast<std::size_t>(box - 1)];
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

std::expected<void, InfoWriteError> writeInfoSettings(ByteImage& image, const InfoStrings& strings,
                                                      const InfoChanges& changes) {
  static constexpr InfoWriteError kTooLong[kInfoStrings] = {
      InfoWriteError::BiosVersionTooLong,     InfoWriteError::ChipTypeTooLong,
      InfoWriteError::HardwareSpecsTooLong,   InfoWriteError::CopyrightTooLong,
      InfoWriteError::AtomBiosVersionTooLong, InfoWriteError::PowerCableMessageTooLong};
  if (changes.tooLong) return std::unexpected(kTooLong[*changes.tooLong]);

  // The positions the load found; the strings are never searched for again.
  const std::optional<StringPositions>& positions = strings.positions;
  if (!positions) return std::unexpected(InfoWriteError::Failed);
  if (changes.date) {
    const std::optional<std::string> date = utf8ToLatin1(*changes.date);
    if (!date || !writeBytes(image, kDateFirst, kDateLength, *date)) return std::unexpected(InfoWriteError::Failed);
  }
  const StringRange* ranges[] = {&positions->biosVersion, &positions->chipType, &positions->hardwareSpecs,
                                 &positions->copyright, &positions->atomBiosVersion};
  for (std::size_t i = 0; i < std::size(ranges); ++i)
    if (changes.strings[i] && !writeString(image, *ranges[i], *changes.strings[i]))
      return std::unexpected(InfoWriteError::Failed);
  const std::optional<std::string>& cableMessage = changes.strings[kInfoStrings - 1];
  if (!strings.powerCableMessage.empty() && cableMessage &&
      (!positions->powerCableMessage || !writeString(image, *positions->powerCableMessage, *cableMessage)))
    return std::unexpected(InfoWriteError::Failed);
  if (changes.subVendorChanged && (!changes.subVendorId || !image.setWord(kSubVendorId, *changes.subVendorId)))
    return std::unexpected(InfoWriteError::SubVendor);
  if (changes.cardId && !image.setWord(kCardId, *changes.cardId)) return std::unexpected(InfoWriteError::CardId);
  return {};
}

}  // namespace oza
