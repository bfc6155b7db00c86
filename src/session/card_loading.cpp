// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/card_loading.h"

#include "card/pci_cards.h"
#include "files/file_io.h"
#include "platform/replace_question.h"
#include "platform/platform.h"
#include "platform/temp_file.h"
#include "session/load_pipeline.h"
#include "session/session.h"
#include "session/unsaved_edits.h"

namespace oza {

namespace {

void showCardWriteFailed(Platform& platform, const std::string& path) {
  platform.message(cardWriteFailed(path).text, MessageIcon::Critical);
}

}  // namespace

std::optional<CardRom> readCardBios(Platform& platform, const std::string& address, RomAccess& access) {
  auto rom = readCardRom(sysfsRoot(), address, access);
  if (!rom) {
    platform.message(rom.error(), MessageIcon::Critical);
    return std::nullopt;
  }
  return std::move(*rom);
}

void warnOfPartialCopy(Platform& platform, const CardRom& rom) {
  if (!partialCopyReason(rom).empty()) platform.message(partialCopyWarning(rom), MessageIcon::Warning);
}

WriteMessage cardWriteFailed(const std::string& path) {
  return {
      "The card's BIOS could not be written to \"" + path + "\". Maybe file system error (HD full/write protected)?",
      MessageIcon::Critical};
}

bool writeCardBios(Platform& platform, const std::string& path, const ByteImage& image) {
  const WriteResult written = writeImageFile(path, image, platform.fileWrites);
  if (!written) showWriteFailure(platform, written.error(), cardWriteFailed(path));
  return written.has_value();
}

bool loadBiosFromCard(Session& session, const std::string& address, RomAccess& access) {
  if (!settleUnsavedEdits(session)) return false;
  const std::optional<CardRom> rom = readCardBios(session.platform(), address, access);
  if (!rom) return false;
  const auto& bytes = rom->bytes;
  const std::string path = writeTempFile(session.platform(), "oza",
                                         std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (path.empty()) {
    showCardWriteFailed(session.platform(), path);
    return false;
  }
  if (!loadBiosPath(session, path)) return false;
  warnOfPartialCopy(session.platform(), *rom);
  return true;
}

}  // namespace oza
