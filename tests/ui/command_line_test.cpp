// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/command_line.h"

#include <QApplication>
#include <QIcon>
#include <gtest/gtest.h>

namespace oza::ui {
namespace {

using Action = CommandLine::Action;

CommandLine parse(const QStringList& arguments) { return parseCommandLine(QStringList{"oza"} + arguments); }

TEST(CommandLine, TheFileArgumentKeepsItsMeaning) {
  EXPECT_EQ(parse({}).action, Action::Run);
  EXPECT_EQ(parse({}).file, "");
  EXPECT_EQ(parse({"card.rom"}).file, "card.rom");
  EXPECT_EQ(parse({"My", "Card.rom"}).file, "My Card.rom") << "an unquoted name with a blank";
  EXPECT_EQ(parse({"--", "-odd.rom"}).file, "-odd.rom");
  EXPECT_EQ(parse({"Profiles.xml"}).action, Action::Run);
}

TEST(CommandLine, HelpVersionAndUnknownOptions) {
  describeApplication();
  const CommandLine help = parse({"--help"});
  EXPECT_EQ(help.action, Action::Help);
  EXPECT_TRUE(help.text.startsWith("Usage: oza [options] [file]\n")) << help.text.toStdString();
  EXPECT_TRUE(help.text.contains("--version"));
  EXPECT_EQ(parse({"-h"}).action, Action::Help);
  const CommandLine version = parse({"--version"});
  EXPECT_EQ(version.action, Action::Version);
  EXPECT_EQ(version.text, "OZA 1.12\n");
  const CommandLine unknown = parse({"card.rom", "--frobnicate"});
  EXPECT_EQ(unknown.action, Action::UsageError);
  EXPECT_TRUE(unknown.text.contains("frobnicate"));
}

TEST(CommandLine, OnlyHelpAndVersionSkipTheWindowSystem) {
  auto asks = [](std::vector<const char*> args) {
    args.insert(args.begin(), "oza");
    return asksForText(static_cast<int>(args.size()), const_cast<char**>(args.data()));
  };
  EXPECT_TRUE(asks({"--help"}));
  EXPECT_TRUE(asks({"card.rom", "-v"}));
  EXPECT_FALSE(asks({"card.rom"}));
  EXPECT_FALSE(asks({"--", "--help"}));
  EXPECT_FALSE(asks({}));
}

TEST(CommandLine, TheWindowsCarryTheApplicationIcon) {
  describeApplication();
  const QIcon icon = QApplication::windowIcon();
  ASSERT_FALSE(icon.isNull());
  for (int size : {16, 32, 48, 256}) EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
  // Each picture is decoded when asked for: the nearest larger one, shrunk,
  // and never blown up past the largest.
  const struct { int asked, given; } pictures[] = {{32, 32}, {20, 20}, {256, 256}, {512, 256}, {1, 1}};
  for (const auto& picture : pictures) {
    const QPixmap pixmap = icon.pixmap(QSize(picture.asked, picture.asked));
    EXPECT_EQ(pixmap.size(), QSize(picture.given, picture.given)) << picture.asked;
    EXPECT_GT(pixmap.toImage().pixelColor(picture.given / 2, picture.given / 2).alpha(), 0) << picture.asked;
  }
}

}  // namespace
}  // namespace oza::ui
