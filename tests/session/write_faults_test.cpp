// SPDX-License-Identifier: GPL-3.0-or-later

// Every file the program writes (image, profile, graph bitmap) under faults:
// a file-size limit, a write-protected or immutable target, a read-only
// folder, a folder that keeps other users' files, a target that is a folder,
// a failing flush, a link to nowhere in a missing folder. Each ends in its
// message, keeps the old file and leaves no temporary file. And through
// links: the file a link (or a chain of them) names is replaced, the links
// stay, and a link planted at the temporary name is never followed.
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <iostream>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "fan/fan_graph.h"
#include "tabs/graph_file.h"
#include "platform/scripted_platform.h"
#include "profile_editor/profile_editor.h"
#include "profile_editor/profile_loading.h"
#include "profile_editor/profile_saving.h"
#include "session/load_pipeline.h"
#include "session/save_pipeline.h"
#include "session/session.h"
#include "support/fixture_image.h"
#include "support/profile_fixture.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

namespace fs = std::filesystem;

const char* const kImageWriteFailed =
    "Error writing BIOS to file. Maybe file system error (HD full/write protected)? - Debug information: "
    "'WriteBIOSToFile(sFile)' reported error.";
const char* const kProfileWriteFailed =
    "Error writing profile to file. Maybe file system error (HD full/write protected)? - Debug information: "
    "'WriteProfileToFile(sFile)' reported error.";
const char* const kGraphWriteFailed = "Unable to save graph. Maybe write protected or file system full?";
const char* const kProtected = "Unable to overwrite file. Maybe write protected or in use by other program?";

enum class Kind { Image, Profile, Graph };

const char* kindName(Kind kind) {
  switch (kind) {
    case Kind::Image: return "image";
    case Kind::Profile: return "profile";
    case Kind::Graph: return "graph";
  }
  return "";
}

// One writer: loads what it writes in `dir`, then saves to a path through the
// scripted platform as the user would.
class Writer {
 public:
  Writer(Kind kind, const test::TempDir& dir, ScriptedPlatform& platform) : kind_(kind) {
    platform.defaultAnswer = MessageAnswer::Yes;
    switch (kind) {
      case Kind::Image:
        test::FixtureImage().save(dir.file("in.rom"));
        session_ = std::make_unique<Session>(platform);
        session_->start();
        EXPECT_TRUE(loadBiosFile(*session_, dir.file("in.rom")));
        break;
      case Kind::Profile:
        test::writeText(dir.file("Profiles.xml"), test::realisticProfile());
        editor_ = std::make_unique<ProfileEditor>(platform, dir.file("appdata"));
        {
          std::string path = dir.file("Profiles.xml");
          EXPECT_TRUE(loadProfile(*editor_, path));
        }
        break;
      case Kind::Graph: drawTransferCurve(graph_, 40, 106, 15); break;
    }
  }

  void save(ScriptedPlatform& platform, const std::string& target) {
    platform.queueSavePath(target);
    switch (kind_) {
      case Kind::Image: saveBiosFile(*session_); break;
      case Kind::Profile: saveProfile(*editor_); break;
      case Kind::Graph: saveGraph(platform, graph_); break;
    }
  }

  const char* writeFailed() const {
    switch (kind_) {
      case Kind::Image: return kImageWriteFailed;
      case Kind::Profile: return kProfileWriteFailed;
      case Kind::Graph: return kGraphWriteFailed;
    }
    return "";
  }

  // A target that may not be replaced: only the image save has a message of
  // its own for it; the others keep their write failure message.
  const char* cannotReplace() const { return kind_ == Kind::Image ? kProtected : writeFailed(); }

 private:
  Kind kind_;
  std::unique_ptr<Session> session_;
  std::unique_ptr<ProfileEditor> editor_;
  FanGraph graph_;
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
    if (!matches)
      std::cerr << "last message: " << (platform.messages.empty() ? "(none)" : platform.messages.back().text) << "\n";
    _exit(matches ? 0 : 3);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Sets or clears the immutable attribute; false where the file system or the
// process's rights do not allow it.
bool setImmutable(const std::string& path, bool on) {
  const int file = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (file < 0) return false;
  int flags = 0;
  bool done = ioctl(file, FS_IOC_GETFLAGS, &flags) == 0;
  if (done) {
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = ioctl(file, FS_IOC_SETFLAGS, &flags) == 0;
  }
  close(file);
  return done;
}

enum class Fault {
  SizeLimit,
  ProtectedTarget,
  ImmutableTarget,
  ReadOnlyFolder,
  KeepingFolder,
  TargetIsFolder,
  FailingFlush,
  LinkIntoMissingFolder
};

constexpr fs::perms kReadOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;

std::string faultCaseName(const ::testing::TestParamInfo<std::tuple<Kind, Fault>>& info) {
  static const char* const names[] = {"SizeLimit",     "ProtectedTarget", "ImmutableTarget", "ReadOnlyFolder",
                                      "KeepingFolder", "TargetIsFolder",  "FailingFlush",    "LinkIntoMissingFolder"};
  return std::string(kindName(std::get<0>(info.param))) + "_" + names[static_cast<int>(std::get<1>(info.param))];
}

class WriteFaults : public ::testing::TestWithParam<std::tuple<Kind, Fault>> {};

TEST_P(WriteFaults, KeepTheOldFileAndShowTheMessage) {
  const auto [kind, fault] = GetParam();
  test::TempDir dir;
  ScriptedPlatform platform;
  Writer writer(kind, dir, platform);
  const std::string folder = dir.file("target");
  fs::create_directory(folder);
  fs::permissions(folder, fs::perms::all);  // others may write, as the child may be another user
  const std::string target = folder + "/out";
  test::writeText(target, "the old file");
  fs::permissions(target, fs::perms::all);

  std::string expected = writer.writeFailed();
  bool dropRights = false;
  rlim_t limit = 0;
  switch (fault) {
    case Fault::SizeLimit: limit = 1000; break;
    case Fault::ProtectedTarget:
      fs::permissions(target, kReadOnly);
      expected = kProtected;
      break;
    case Fault::ImmutableTarget:
      if (!setImmutable(target, true))
        GTEST_SKIP() << "cannot make a file immutable here (needs root and ext4 or similar)";
      expected = writer.cannotReplace();
      break;
    case Fault::ReadOnlyFolder:
      fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                  fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
      dropRights = true;
      break;
    case Fault::KeepingFolder:
      // A shared folder like /tmp: anyone may add files, only a file's owner
      // may replace it. The target is root's; the child saves as nobody.
      if (geteuid() != 0) GTEST_SKIP() << "needs root to save as another user";
      fs::permissions(folder, fs::perms::all | fs::perms::sticky_bit);
      dropRights = true;
      expected = writer.cannotReplace();
      break;
    case Fault::TargetIsFolder:
      fs::remove(target);
      fs::create_directory(target);
      expected += "\n\"out\" is a folder.";
      break;
    case Fault::FailingFlush: platform.fileWrites.flush = [](int) { return false; }; break;
    case Fault::LinkIntoMissingFolder:
      fs::remove(target);
      fs::create_symlink("missing/out", target);
      break;
  }
  const auto write = [&](ScriptedPlatform& p) { writer.save(p, target); };
  EXPECT_TRUE(lastMessageInChild(write, platform, expected, dropRights, limit));
  if (fault == Fault::ImmutableTarget) setImmutable(target, false);
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
  if (fault == Fault::TargetIsFolder) {
    EXPECT_TRUE(fs::is_directory(target));
  } else if (fault == Fault::LinkIntoMissingFolder) {
    EXPECT_EQ(fs::read_symlink(target), "missing/out");
    EXPECT_FALSE(fs::exists(folder + "/missing"));
  } else {
    EXPECT_EQ(test::readText(target), "the old file");
  }
  EXPECT_EQ(test::listDir(folder).size(), 1u);  // no temporary file
}

INSTANTIATE_TEST_SUITE_P(Faults, WriteFaults,
                         ::testing::Combine(::testing::Values(Kind::Image, Kind::Profile, Kind::Graph),
                                            ::testing::Values(Fault::SizeLimit, Fault::ProtectedTarget,
                                                              Fault::ImmutableTarget, Fault::ReadOnlyFolder,
                                                              Fault::KeepingFolder, Fault::TargetIsFolder,
                                                              Fault::FailingFlush, Fault::LinkIntoMissingFolder)),
                         faultCaseName);

enum class Link { Plain, Relative, Absolute, Chain, Dangling, PlantedAtTemporaryName };

std::string linkCaseName(const ::testing::TestParamInfo<std::tuple<Kind, Link>>& info) {
  static const char* const names[] = {"Plain", "Relative", "Absolute", "Chain", "Dangling", "PlantedAtTemporaryName"};
  return std::string(kindName(std::get<0>(info.param))) + "_" + names[static_cast<int>(std::get<1>(info.param))];
}

class WritesThroughLinks : public ::testing::TestWithParam<std::tuple<Kind, Link>> {};

TEST_P(WritesThroughLinks, ReplaceTheFileTheLinkNames) {
  const auto [kind, link] = GetParam();
  SCOPED_TRACE(kindName(kind));
  test::TempDir dir;
  ScriptedPlatform platform;
  Writer writer(kind, dir, platform);
  // What this writer writes, saved to a plain new file.
  writer.save(platform, dir.file("expected"));
  const std::string expected = test::readText(dir.file("expected"));
  ASSERT_FALSE(expected.empty());
  platform.messages.clear();

  fs::create_directories(dir.file("store/deep"));
  const std::string stored = dir.file("store/deep/card");
  test::writeText(stored, "the old file");
  fs::permissions(stored, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const std::string target = dir.file("card");
  std::string destination = stored;
  switch (link) {
    case Link::Plain:
      destination = target;
      test::writeText(target, "the old file");
      break;
    case Link::Relative: fs::create_symlink("store/deep/card", target); break;
    case Link::Absolute: fs::create_symlink(stored, target); break;
    case Link::Chain:
      fs::create_symlink("deep/card", dir.file("store/hop"));
      fs::create_symlink("store/hop", target);
      break;
    case Link::Dangling:
      destination = dir.file("store/deep/new");
      fs::create_symlink("store/deep/new", target);
      break;
    case Link::PlantedAtTemporaryName: {
      // The first two names the write draws are taken: a link to nowhere and
      // a link to a file of someone else's. Neither may be followed.
      destination = target;
      test::writeText(target, "the old file");
      platform.fileWrites.randomBits = [next = std::uint64_t{1}]() mutable { return next++; };
      fs::create_symlink(dir.file("victim"), dir.file("card.oza-0000000000000001.tmp"));
      test::writeText(dir.file("precious"), "not yours");
      fs::create_symlink(dir.file("precious"), dir.file("card.oza-0000000000000002.tmp"));
      break;
    }
  }
  const auto before = test::listDir(dir.path()).size();
  writer.save(platform, target);
  for (const auto& m : platform.messages) EXPECT_EQ(m.title, "File exists.") << m.text;
  EXPECT_EQ(test::readText(destination), expected);
  if (link != Link::Plain && link != Link::PlantedAtTemporaryName) {
    EXPECT_TRUE(fs::is_symlink(target));
    EXPECT_EQ(test::readText(stored), link == Link::Dangling ? "the old file" : expected);
  }
  if (link == Link::Relative || link == Link::Absolute || link == Link::Chain) {
    // The replaced file keeps its rights.
    EXPECT_EQ(fs::status(stored).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  }
  if (link == Link::PlantedAtTemporaryName) {
    EXPECT_FALSE(fs::exists(dir.file("victim")));
    EXPECT_EQ(test::readText(dir.file("precious")), "not yours");
  }
  EXPECT_EQ(test::listDir(dir.path()).size(), before);  // no temporary file
  EXPECT_EQ(test::listDir(dir.file("store/deep")).size(), link == Link::Dangling ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(Links, WritesThroughLinks,
                         ::testing::Combine(::testing::Values(Kind::Image, Kind::Profile, Kind::Graph),
                                            ::testing::Values(Link::Plain, Link::Relative, Link::Absolute, Link::Chain,
                                                              Link::Dangling, Link::PlantedAtTemporaryName)),
                         linkCaseName);

}  // namespace
}  // namespace oza
