// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include "platform/scripted_platform.h"
#include "profile_editor/profile_editor.h"
#include "profile_editor/profile_loading.h"
#include "profile_editor/profile_saving.h"
#include "support/profile_fixture.h"
#include "support/temp_dir.h"

namespace oza::test {

// An editor over a scripted platform, its local application data in a fresh
// folder.
class ProfileTest : public ::testing::Test {
 protected:
  ProfileTest() : editor(platform, dir.file("appdata")) {}

  bool load(const std::string& bytes, const std::string& name = "Profiles.xml") {
    writeText(dir.file(name), bytes);
    std::string path = dir.file(name);
    return loadProfile(editor, path);
  }
  bool saveTo(const std::string& name) {
    platform.queueSavePath(dir.file(name));
    return saveProfile(editor);
  }
  std::vector<std::string> texts() const { return platform.messageTexts(); }

  TempDir dir;
  ScriptedPlatform platform;
  ProfileEditor editor;
};

}  // namespace oza::test
