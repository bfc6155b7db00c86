// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/reload_check.h"

#include <algorithm>

#include "image/info_strings.h"
#include "image/info_writer.h"
#include "text/number_text.h"

namespace oza {

namespace {

// Whether the strings lie where they lay. The hardware specs may end
// earlier, as the blanks a save pads them with are not counted; a power cable
// message the user emptied is blanks, which a load skips.
bool sameLayout(StringPositions now, StringPositions loaded, bool cableEmptied) {
  now.hardwareSpecs.last = loaded.hardwareSpecs.last = 0;
  if (cableEmptied && !now.powerCableMessage) loaded.powerCableMessage.reset();
  return now == loaded;
}

bool emptiesCable(const InfoChanges& changes) {
  const std::optional<std::string>& cable = changes.strings[kInfoStrings - 1];
  return cable && trimBlanks(*cable).empty();
}

// Whether the image still gives valid strings where the session found them.
bool keepsStrings(const ByteImage& image, const StringPositions& loaded, bool cableEmptied) {
  const std::optional<StringPositions> positions = findStringPositions(image);
  if (!positions || !sameLayout(*positions, loaded, cableEmptied)) return false;
  const std::optional<InfoStrings> strings = splitInfos(image, *positions);
  return strings && checkValid(*strings);
}

std::string boxName(int box) {
  return std::string("The ") + kInfoBoxMeanings[box] + " (InfoText(" + std::to_string(box) + "))";
}

// What the validation looks for that the text of `box` lacks.
std::string missingPart(int box, const std::string& text) {
  if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
    return boxName(box) + " may not hold line ends or other control characters.";
  if (box == 2 && !contains(text, "R") && !contains(text, "M"))
    return boxName(box) + " must contain an upper-case R or M.";
  if (box == 4 && !contains(toLower(text), "ati")) return boxName(box) + " must contain \"ATI\".";
  if (box == 5 && !contains(toLower(text), "atom")) return boxName(box) + " must contain \"ATOM\".";
  return boxName(box) + " would change where the image's information strings are found.";
}

// The first changed information text that alone keeps the image from
// loading as it did.
std::optional<std::string> culprit(const LoadedImage& loaded, const InfoChanges& changes) {
  for (int box = 0; box <= kInfoStrings; ++box) {
    InfoChanges single;
    const std::optional<std::string>& text =
        box == 0 ? changes.date : changes.strings[static_cast<std::size_t>(box - 1)];
    if (!text) continue;
    (box == 0 ? single.date : single.strings[static_cast<std::size_t>(box - 1)]) = text;
    ByteImage image = loaded.bytes;
    if (!writeInfoSettings(image, loaded.strings, single)) continue;
    if (!keepsStrings(image, *loaded.strings.positions, emptiesCable(single))) return missingPart(box, *text);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> reloadProblem(const LoadedImage& loaded, const ImageFile& again,
                                         const InfoChanges& changes) {
  if (!loaded.strings.positions) return std::nullopt;
  if (again.image && again.image->strings.positions &&
      sameLayout(*again.image->strings.positions, *loaded.strings.positions, emptiesCable(changes)))
    return std::nullopt;
  if (const auto reason = culprit(loaded, changes)) return reason;
  if (again.image) return "The information strings would be found elsewhere in the image.";
  return "Loading it would stop with: " + again.failure;
}

}  // namespace oza
