// SPDX-License-Identifier: GPL-3.0-or-later

// The whole load pipeline on arbitrary bytes.
#include "fuzz_files.h"
#include "platform/scripted_platform.h"
#include "session/load_pipeline.h"
#include "session/session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = oza::fuzz::scratchPath("load.rom");
  oza::fuzz::writeScratch(path, data, size);
  oza::ScriptedPlatform platform;
  platform.defaultAnswer = oza::MessageAnswer::Yes;
  oza::Session session(platform);
  session.start();
  const bool loaded = oza::loadBiosFile(session, path);
  if (!loaded && platform.messages.empty()) oza::fuzz::violated("a failed load showed no message");
  return 0;
}
