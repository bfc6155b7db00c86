// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/scripted_platform.h"
#include "session/load_pipeline.h"
#include "session/save_pipeline.h"
#include "session/session.h"
#include "support/fixture_image.h"
#include "support/temp_dir.h"

namespace oza::test {

// A started session with a scripted platform, an image loaded from a file of
// a temporary folder, and saves into that folder.
class LoadedSession : public ::testing::Test {
 protected:
  LoadedSession() : session(platform) { session.start(); }

  void load(const FixtureImage& fixture) { load(fixture.build()); }
  void load(const std::vector<std::uint8_t>& bytes) {
    loaded = bytes;
    writeBytes(dir.file("in.rom"), bytes);
    ASSERT_TRUE(loadBiosFile(session, dir.file("in.rom")));
    platform.messages.clear();
  }
  bool saveTo(const std::string& name) {
    platform.queueSavePath(dir.file(name));
    return saveBiosFile(session);
  }
  std::vector<std::uint8_t> saved(const std::string& name) const { return readBytes(dir.file(name)); }
  std::vector<std::string> texts() const { return platform.messageTexts(); }

  TempDir dir;
  ScriptedPlatform platform;
  Session session;
  std::vector<std::uint8_t> loaded;
  MainForm& form = session.form();
};

}  // namespace oza::test
