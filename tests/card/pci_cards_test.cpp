// SPDX-License-Identifier: GPL-3.0-or-later

#include "card/pci_cards.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/fake_sysfs.h"

namespace oza {
namespace {

const std::vector<std::uint8_t> kRom = {0x55, 0xAA, 0x80, 0x01, 0x02, 0x03};

class PciCards : public ::testing::Test {
 protected:
  PciCards() {
    sysfs.addDevice("0000:01:00.0", "0x1002", "0x9442", "0x030000", kRom);
    sysfs.addDevice("0000:01:00.1", "0x1002", "0xaa30", "0x040300", kRom);  // the card's sound part
    sysfs.addDevice("0000:02:00.0", "0x10de", "0x0641", "0x030000", kRom);
    sysfs.addDevice("0000:03:00.0", "0x1002", "0x68B8", "0x038000", kRom);
  }

  // The message of a read, or "" with the ROM in `bytes`.
  std::string read(const std::string& address) {
    auto rom = readCardRom(sysfs.root(), address, access);
    if (!rom) return rom.error();
    bytes = std::move(rom->bytes);
    window = rom->romWindow;
    boot = rom->bootDisplay;
    return {};
  }

  test::FakeSysfs sysfs;
  test::FakeRomAccess access;
  std::vector<std::uint8_t> bytes;
  std::optional<std::int64_t> window;
  bool boot = false;
};

TEST_F(PciCards, ListsTheDisplayDevicesOfVendor1002WithTheirNames) {
  const auto cards = listCards(sysfs.root(), access);
  ASSERT_EQ(cards.size(), 2u);
  EXPECT_EQ(cards[0].address, "0000:01:00.0");
  EXPECT_EQ(cards[0].vendorId, "0x1002");
  EXPECT_EQ(cards[0].deviceId, "0x9442");
  EXPECT_EQ(cards[0].name, "HD 4850");
  EXPECT_TRUE(cards[0].romReadable);
  EXPECT_EQ(cards[1].deviceId, "0x68b8");
  EXPECT_EQ(cards[1].name, "");
  EXPECT_EQ(access.enables, 0) << "listing must not touch the ROM";
}

TEST_F(PciCards, ADeviceIdInAnyLetterCaseFindsItsName) {
  sysfs.addDevice("0000:05:00.0", "0x1002", "0x94c3", "0x030000", kRom);
  sysfs.addDevice("0000:06:00.0", "0x1002", "0x94c", "0x030000", kRom);
  sysfs.addDevice("0000:07:00.0", "0x1002", "0x-94c", "0x030000", kRom);
  const auto cards = listCards(sysfs.root(), access);
  ASSERT_EQ(cards.size(), 5u);
  EXPECT_EQ(cards[2].name, "HD 2400 Pro");
  EXPECT_EQ(cards[3].name, "");
  EXPECT_EQ(cards[4].name, "");
}

TEST_F(PciCards, ARomIsUnreadableWithoutRightsOrWithoutItsFile) {
  sysfs.addDevice("0000:04:00.0", "0x1002", "0x9501", "0x030000", {}, false);
  for (const PciCard& card : listCards(sysfs.root(), access))
    EXPECT_EQ(card.romReadable, card.address != "0000:04:00.0") << card.address;
  access.denied = true;
  for (const PciCard& card : listCards(sysfs.root(), access)) EXPECT_FALSE(card.romReadable) << card.address;
  EXPECT_TRUE(listCards(sysfs.root() + "/missing", access).empty());
}

TEST_F(PciCards, ReadsTheRomAndDisablesItAgain) {
  EXPECT_EQ(read("0000:01:00.0"), "");
  EXPECT_EQ(bytes, kRom);
  EXPECT_EQ(access.enables, 1);
  EXPECT_TRUE(access.enabled.empty());
  bytes.clear();
  EXPECT_EQ(read("01:00.0"), "") << "the domain may be left out";
  EXPECT_EQ(bytes, kRom);
}

TEST_F(PciCards, EveryBadCaseGivesItsMessageAndLeavesNothingEnabled) {
  struct Case {
    const char* name;
    std::string address;
    std::function<void()> arrange;
    std::string expected;  // part of the message
  };
  const std::string card = "0000:01:00.0";
  const std::string rom = sysfs.root() + "/bus/pci/devices/" + card + "/rom";
  const std::vector<Case> cases = {
      {"no such device", "0000:09:00.0", [] {}, "There is no PCI device 0000:09:00.0."},
      {"path out of the tree", "../../../etc", [] {}, "There is no PCI device"},
      {"sound part of the card", "0000:01:00.1", [] {}, "is not a display device of vendor 0x1002"},
      {"other vendor", "0000:02:00.0", [] {}, "is not a display device of vendor 0x1002"},
      {"not root", card, [&] { access.denied = true; }, kNeedsRootMessage},
      {"enable fails", card, [&] { access.enableFails = true; }, "could not be enabled"},
      {"read fails halfway", card, [&] { access.readFailsHalfway = true; }, "failed before its end"},
      {"empty ROM", card, [&] { test::writeBytes(rom, {}); }, "reads empty"},
      {"no signature", card,
       [&] {
         test::writeBytes(rom, {0x55, 0xAB, 0, 0});
       },
       "does not begin with 0x55 0xAA"},
      {"one byte", card, [&] { test::writeBytes(rom, {0x55}); }, "does not begin with 0x55 0xAA"},
      {"too long", card, [&] { test::writeBytes(rom, std::vector<std::uint8_t>(1000001, 0x55)); },
       "longer than 1,000,000 bytes"},
  };
  for (const Case& c : cases) {
    access = test::FakeRomAccess();
    test::writeBytes(rom, kRom);
    c.arrange();
    bytes = {1, 2, 3};
    const std::string message = read(c.address);
    EXPECT_NE(message.find(c.expected), std::string::npos) << c.name << ": " << message;
    EXPECT_TRUE(access.enabled.empty()) << c.name;
    EXPECT_GE(access.disables, access.enables) << c.name;
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{1, 2, 3})) << c.name << ": bytes untouched on failure";
  }
}

// The kernel gives the chain of images the ROM declares, and for the boot
// display the copy in system memory: neither need be all of the chip.
TEST_F(PciCards, APartialCopyIsNamedWithWhatItLacks) {
  struct Case {
    const char* name;
    std::int64_t window;  // 0: no `resource` file
    const char* bootVga;  // nullptr: no `boot_vga` file
    std::vector<const char*> reasons;
  };
  const Case cases[] = {
      {"complete", 6, "0", {}},
      {"window larger than the read",
       131072,
       "0",
       {"gave 6 of the ROM window's 131,072 bytes, fewer than the PCI images the ROM declares: the read was cut "
        "short, and the 131,066 bytes after them"}},
      {"shadow copy of the boot display", 6, "1", {"the boot display", "system memory"}},
      {"both", 65536, "1", {"gave 6 of", "; and the card is the boot display"}},
      {"no resource, no boot_vga", 0, nullptr, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::FakeSysfs tree;
    tree.addDevice("0000:01:00.0", "0x1002", "0x9440", "0x030000", kRom);
    if (c.window) tree.setRomWindow("0000:01:00.0", c.window);
    if (c.bootVga) tree.setAttribute("0000:01:00.0", "boot_vga", std::string(c.bootVga) + "\n");
    const auto rom = readCardRom(tree.root(), "0000:01:00.0", access);
    ASSERT_TRUE(rom) << rom.error();
    EXPECT_EQ(rom->bytes, kRom) << "the copy is what was read";
    const std::string reason = partialCopyReason(*rom);
    EXPECT_EQ(reason.empty(), c.reasons.empty()) << reason;
    for (const char* part : c.reasons) EXPECT_NE(reason.find(part), std::string::npos) << reason;
    if (!reason.empty()) {
      EXPECT_NE(partialCopyWarning(*rom).find("Do not flash an edit of this copy"), std::string::npos);
    }
    const auto cards = listCards(tree.root(), access);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].romWindow, c.window ? std::optional<std::int64_t>(c.window) : std::nullopt);
    EXPECT_EQ(cards[0].bootDisplay, c.bootVga && *c.bootVga == '1');
  }
}

// Only a well-formed seventh line of `resource` names the window.
TEST_F(PciCards, AResourceFileThatSaysNothingClearGivesNoWindow) {
  const std::string none = "0x0000000000000000 0x0000000000000000 0x0000000000000000\n";
  std::string six;
  for (int n = 0; n < 6; ++n) six += none;
  for (const std::string& text :
       {std::string(), six, six + none, six + "0xe0000000 0xe001ffff\n", six + "e0000000 e001ffff 0\n",
        six + "0xe001ffff 0xe0000000 0x0\n", six + "0x0 0xffffffffffffffff 0x0\n", std::string(5000, 'x')}) {
    sysfs.setAttribute("0000:01:00.0", "resource", text);
    EXPECT_EQ(listCards(sysfs.root(), access)[0].romWindow, std::nullopt) << text.substr(0, 200);
  }
  sysfs.setRomWindow("0000:01:00.0", 131072);
  EXPECT_EQ(listCards(sysfs.root(), access)[0].romWindow, 131072);
  EXPECT_NE(cardLabel(listCards(sysfs.root(), access)[0]).find("ROM window 131,072 bytes"), std::string::npos);
}

TEST_F(PciCards, TheNotRootMessageNamesTheCommandToRun) {
  access.denied = true;
  EXPECT_EQ(read("0000:01:00.0"),
            "Reading a card's BIOS needs administrator rights: run `sudo oza-cli read-card ADDR --out FILE`");
}

}  // namespace
}  // namespace oza
