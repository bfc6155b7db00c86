#include "session/card_loading.h"

#include "card/pci_cards.h"
#include "files/file_io.h"
#include "platform/platform.h"
#include "platform/temp_file.h"
#include "session/load_pipeline.h"
#include "session/session.h"

namespace oza {

namespace {

void showCardWriteFailed(Platform& platform, const std::string& path) {
  platform.message("The card's BIOS could not be written to \"" + path +
                       "\". Maybe file system error (HD full/write protected)?",
                   MessageIcon::Critical);
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

bool writeCardBios(Platform& platform, const std::string& path, const ByteImage& image) {
  if (!path.empty() && writeBiosFile(path, image)) return true;
  showCardWriteFailed(platform, path);
  return false;
}

bool loadBiosFromCard(Session& session, const std::string& address, RomAccess& access) {
  ByteImage image;
  if (!readCardBios(session.platform, address, access, image)) return false;
  const std::string path = tempFilePath(session.platform, "oza");
  // Written into the file just made, never through a link that may have
  // taken its name since; a copy that failed is not left behind.
  const auto& bytes = image.bytes();
  if (path.empty() ||
      !writeCreatedFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) {
    if (!path.empty()) deleteTempFile(path);
    showCardWriteFailed(session.platform, path);
    return false;
  }
  return loadBiosFile(session, path);
}

}  // namespace oza
