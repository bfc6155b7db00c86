#include "session/card_loading.h"

#include "card/pci_cards.h"
#include "files/file_io.h"
#include "session/replace_question.h"
#include "platform/platform.h"
#include "platform/temp_file.h"
#include "session/load_pipeline.h"
#include "session/session.h"

namespace oza {

namespace {

void showCardWriteFailed(Platform& platform, const std::string& path) {
  platform.message(cardWriteFailed(path).text, MessageIcon::Critical);
}

}  // namespace

bool readCardBios(Platform& platform, const std::string& address, RomAccess& access, ByteImage& image) {
  std::vector<std::uint8_t> bytes;
  const std::string problem = readCardRom(sysfsRoot(), address, access, bytes);
  if (!problem.empty()) {
    platform.message(problem, MessageIcon::Critical);
    return false;
  }
  image = ByteImage(std::move(bytes));
  return true;
}

WriteMessage cardWriteFailed(const std::string& path) {
  return {"The card's BIOS could not be written to \"" + path + "\". Maybe file system error (HD full/write protected)?",
          MessageIcon::Critical};
}

bool writeCardBios(Platform& platform, const std::string& path, const ByteImage& image) {
  const WriteResult written = writeImageFile(path, image, platform.fileWrites);
  if (!written) showWriteFailure(platform, written.error(), cardWriteFailed(path));
  return written.has_value();
}

bool loadBiosFromCard(Session& session, const std::string& address, RomAccess& access) {
  ByteImage image;
  if (!readCardBios(session.platform(), address, access, image)) return false;
  const auto& bytes = image.bytes();
  const std::string path =
      writeTempFile(session.platform(), "oza", std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (path.empty()) {
    showCardWriteFailed(session.platform(), path);
    return false;
  }
  return loadBiosFile(session, path);
}

}  // namespace oza
