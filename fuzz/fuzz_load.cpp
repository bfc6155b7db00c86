// SPDX-License-Identifier: GPL-3.0-or-later

// The whole load pipeline on arbitrary bytes, and the readers of the card's
// own tables, which a load reaches only for an image that passes its checks.
#include <vector>

#include "document/card_tables.h"
#include "fuzz_files.h"
#include "image/table_layout.h"
#include "keys/value_keys.h"
#include "powerplay/clock_location.h"
#include "powerplay/driver_states.h"
#include "platform/scripted_platform.h"
#include "session/load_pipeline.h"
#include "session/session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = oza::fuzz::scratchPath("load.rom");
  oza::fuzz::writeScratch(path, data, size);
  const oza::ByteImage bytes(std::vector<std::uint8_t>(data, data + size));
  const oza::CardTables card = oza::readCardTables(bytes);
  if (card.hasLevels()) (void)oza::levelNote(card, 1);
  if (const auto states = oza::findClockLocation(bytes).states) (void)oza::driverStates(*states);
  oza::ScriptedPlatform platform;
  platform.defaultAnswer = oza::MessageAnswer::Yes;
  oza::Session session(platform);
  session.start();
  const bool loaded = oza::loadBiosFile(session, path);
  if (!loaded && platform.messages.empty()) oza::fuzz::violated("a failed load showed no message");
  // The check and the tables window judge the layout of any file, loaded or not.
  (void)oza::layoutFindings(bytes, oza::readAtomTables(bytes));
  if (const oza::LoadedImage* image = session.image())
    for (const oza::KeyRef& key : oza::keysUnder("memory.module"))
      if (key.entry->present(*image, key.index)) (void)key.entry->value(*image, key.index);
  return 0;
}
