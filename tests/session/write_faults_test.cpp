// Every file the program writes (image, profile, graph bitmap) under faults:
// a file-size limit, a write-protected target, a read-only folder, a target
// that is a folder. Each ends in its message, keeps the old file and leaves
// no temporary file.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <iostream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "fan/graph_file.h"
#include "platform/scripted_platform.h"
#include "profiles/profile_editor.h"
#include "profiles/profile_loading.h"
#include "profiles/profile_saving.h"
#include "session/load_pipeline.h"
#include "session/save_pipeline.h"
#include "session/session.h"
#include "support/fixture_image.h"
#include "support/profile_fixture.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

namespace fs = std::filesystem;

enum class Fault { SizeLimit, ProtectedTarget, ReadOnlyFolder, TargetIsFolder };

const char* const kImageWriteFailed =
    "Error writing BIOS to file. Maybe file system error (HD full/write protected)? - Debug information: "
    "'WriteBIOSToFile(sFile)' reported error.";
const char* const kProfileWriteFailed =
    "Error writing profile to file. Maybe file system error (HD full/write protected)? - Debug information: "
    "'WriteProfileToFile(sFile)' reported error.";
const char* const kGraphWriteFailed = "Unable to save graph. Maybe write protected or file system full?";
const char* const kProtected = "Unable to overwrite file. Maybe write protected or in use by other program?";

// One writer: prepares itself (loads what it writes), then writes to a path
// through the scripted platform.
struct Writer {
  const char* name;
  const char* writeFailed;
  std::function<void(const test::TempDir&, ScriptedPlatform&)> prepare;
  std::function<void(ScriptedPlatform&, const std::string&)> write;
};

// Runs `write` in a child process, as another user where we are root (root
// may write into read-only folders), and under a file-size limit if asked.
// The child reports through its exit code whether the last message is `text`.
bool lastMessageInChild(const std::function<void(ScriptedPlatform&)>& write, ScriptedPlatform& platform,
                        const std::string& text, bool dropRights, rlim_t sizeLimit) {
  const pid_t child = fork();
  if (child == 0) {
    if (dropRights && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(4);
    if (sizeLimit) {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{sizeLimit, sizeLimit};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    platform.messages.clear();
    write(platform);
    const bool matches = !platform.messages.empty() && platform.messages.back().text == text;
    if (!matches) std::cerr << "last message: " << (platform.messages.empty() ? "(none)" : platform.messages.back().text) << "\n";
    _exit(matches ? 0 : 3);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class WriteFaults : public ::testing::TestWithParam<Fault> {
 protected:
  void check(Writer& writer) {
    SCOPED_TRACE(writer.name);
    test::TempDir dir;
    ScriptedPlatform platform;
    platform.defaultAnswer = MessageAnswer::Yes;
    writer.prepare(dir, platform);
    const std::string folder = dir.file("target");
    fs::create_directory(folder);
    fs::permissions(folder, fs::perms::all);  // others may write, as the child may be another user
    std::string target = folder + "/out";
    test::writeText(target, "the old file");
    fs::permissions(target, fs::perms::all);

    std::string expected = writer.writeFailed;
    bool dropRights = false;
    rlim_t limit = 0;
    switch (GetParam()) {
      case Fault::SizeLimit: limit = 1000; break;
      case Fault::ProtectedTarget:
        fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        expected = kProtected;
        break;
      case Fault::ReadOnlyFolder:
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
        dropRights = true;
        break;
      case Fault::TargetIsFolder:
        fs::remove(target);
        fs::create_directory(target);
        break;
    }
    const auto write = [&](ScriptedPlatform& p) { writer.write(p, target); };
    EXPECT_TRUE(lastMessageInChild(write, platform, expected, dropRights, limit));
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    if (GetParam() == Fault::TargetIsFolder) {
      EXPECT_TRUE(fs::is_directory(target));
    } else {
      EXPECT_EQ(test::readText(target), "the old file");
    }
    EXPECT_EQ(test::listDir(folder).size(), 1u);  // no temporary file
  }
};

TEST_P(WriteFaults, Image) {
  std::unique_ptr<Session> session;
  Writer writer{"image", kImageWriteFailed,
                [&](const test::TempDir& dir, ScriptedPlatform& platform) {
                  test::FixtureImage().save(dir.file("in.rom"));
                  session = std::make_unique<Session>(platform);
                  session->start();
                  ASSERT_TRUE(LoadBIOSFile(*session, dir.file("in.rom")));
                },
                [&](ScriptedPlatform& platform, const std::string& target) {
                  platform.queueSavePath(target);
                  SaveBIOSFile(*session);
                }};
  check(writer);
}

TEST_P(WriteFaults, Profile) {
  std::unique_ptr<ProfileEditor> editor;
  Writer writer{"profile", kProfileWriteFailed,
                [&](const test::TempDir& dir, ScriptedPlatform& platform) {
                  test::writeText(dir.file("Profiles.xml"), test::realisticProfile());
                  editor = std::make_unique<ProfileEditor>(platform, dir.file("appdata"));
                  std::string path = dir.file("Profiles.xml");
                  ASSERT_TRUE(LoadProfile(*editor, path));
                },
                [&](ScriptedPlatform& platform, const std::string& target) {
                  platform.queueSavePath(target);
                  SaveProfile(*editor);
                }};
  check(writer);
}

TEST_P(WriteFaults, GraphBitmap) {
  FanGraph graph;
  drawTransferCurve(graph, 40, 106, 15);
  Writer writer{"graph", kGraphWriteFailed, [](const test::TempDir&, ScriptedPlatform&) {},
                [&](ScriptedPlatform& platform, const std::string& target) {
                  platform.queueSavePath(target);
                  saveGraph(platform, graph);
                }};
  check(writer);
}

INSTANTIATE_TEST_SUITE_P(Faults, WriteFaults,
                         ::testing::Values(Fault::SizeLimit, Fault::ProtectedTarget, Fault::ReadOnlyFolder,
                                           Fault::TargetIsFolder));

}  // namespace
}  // namespace oza
