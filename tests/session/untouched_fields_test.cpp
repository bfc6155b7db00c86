// SPDX-License-Identifier: GPL-3.0-or-later

// A save writes what the user changed and nothing else: a field whose box
// still shows what the load showed keeps its stored bytes, whatever
// converting the shown value back would give; and every save starts again
// from the image as loaded.
#include <gtest/gtest.h>

#include <set>

#include "save/checksum.h"
#include "support/fixture_kinds.h"
#include "support/loaded_session.h"

namespace oza {
namespace {

using test::FixtureImage;

class UntouchedFields : public test::LoadedSession {
 protected:
  UntouchedFields() { platform.defaultAnswer = MessageAnswer::Yes; }

  // Positions where a saved file differs from the loaded image, leaving out
  // the two areas the checksum correction may use.
  std::set<std::int64_t> changedFields(const std::string& name) {
    const std::vector<std::uint8_t> bytes = saved(name);
    EXPECT_EQ(bytes.size(), loaded.size());
    const ByteImage image(loaded);
    const std::int64_t freeSpace = freeSpacePosition(image);
    const std::int64_t last = checkedLast(image);
    std::set<std::int64_t> changed;
    for (std::size_t i = 0; i < bytes.size() && i < loaded.size(); ++i) {
      const auto p = static_cast<std::int64_t>(i);
      const bool correction = (p >= kUpAreaFirst && p <= kUpAreaLast) || (p >= freeSpace && p <= last);
      if (bytes[i] != loaded[i] && !correction) changed.insert(p);
    }
    return changed;
  }
  std::int64_t lookUpSpeed(int k) const { return *session.image()->fan.location.type1Section + 13 + k; }
};

TEST_F(UntouchedFields, StoredPercentsThatWholePercentsCannotHoldKeepTheirBytes) {
  for (const char* kind : {"type1_odd_percents.rom", "type2_odd_percents.rom"}) {
    SCOPED_TRACE(kind);
    load(test::fixtureKinds().at(kind));
    ASSERT_TRUE(saveTo("out.rom")) << texts().front();
    EXPECT_EQ(changedFields("out.rom"), std::set<std::int64_t>{});
  }
  // The speeds 94, 121 and 135 of DutyScale 128 read as 73, 95 and 100 %.
  load(test::fixtureKinds().at("type1_odd_percents.rom"));
  EXPECT_EQ(form.fan.type1Speed[3].text(), "73");
  EXPECT_EQ(form.fan.type1Speed[6].text(), "95");
  EXPECT_EQ(form.fan.type1Speed[7].text(), "100");
}

TEST_F(UntouchedFields, AValueChangedBackOrTypedAsShownKeepsItsBytes) {
  load(test::fixtureKinds().at("type1_odd_percents.rom"));
  form.fan.type1Speed[3].setText("80");
  form.fan.type1Speed[3].setText("73");
  form.fan.dutyCycleMin.setText("35.0");  // Duty cycle min as shown, typed otherwise
  form.clock.gpuClock[2].setText("600");
  form.clock.gpuClock[2].setText("500");
  ASSERT_TRUE(saveTo("out.rom"));
  EXPECT_EQ(changedFields("out.rom"), std::set<std::int64_t>{});

  form.fan.type1Speed[3].setText("80");  // a real change writes its own byte only
  ASSERT_TRUE(saveTo("edited.rom"));
  EXPECT_EQ(changedFields("edited.rom"), std::set<std::int64_t>{lookUpSpeed(3)});
  EXPECT_EQ(saved("edited.rom")[static_cast<std::size_t>(lookUpSpeed(3))], 102);  // 80 % of 128
}

TEST_F(UntouchedFields, ValuesTheLookUpModeForcesCountAsChanges) {
  FixtureImage fixture;
  test::Type1Fields fields;
  fields.controlMode = 3;
  fields.pwmRamp = 2;  // of 255: shown as 1 %, which saves as 3
  fixture.registers = test::registersFor(fields);
  load(fixture);
  ASSERT_EQ(form.fan.pwmRamp.text(), "1");
  ASSERT_TRUE(saveTo("out.rom"));
  ByteImage image(saved("out.rom"));
  EXPECT_EQ(image.at(*session.image()->fan.location.registerPositions[0] + 3), 3);  // PWM ramp, bits 31..24
}

TEST_F(UntouchedFields, EditsInADisabledFanTabWriteNothing) {
  FixtureImage fixture;
  fixture.fanType = 0;  // an ordinary card without a fan table
  load(fixture);
  ASSERT_FALSE(form.fanTabButton.enabled());
  form.fan.tmin.setText("50");
  form.fan.type1Speed[0].setText("10");
  ASSERT_TRUE(saveTo("out.rom"));
  EXPECT_EQ(saved("out.rom"), loaded);

  load(test::fixtureKinds().at("rv770_no_table.rom"));  // hidden look-up rows
  form.fan.type1Speed[0].setText("10");
  form.fan.type1Threshold[0].setText("10");
  ASSERT_TRUE(saveTo("rv770.rom"));
  EXPECT_EQ(changedFields("rv770.rom"), std::set<std::int64_t>{});
}

TEST_F(UntouchedFields, SavesStartFromTheLoadedImage) {
  FixtureImage fixture;
  fixture.cableMessage = "PLEASE CONNECT THE POWER CABLE";
  load(fixture);
  // Refused after the writers ran: the string was patched into a copy only.
  form.info.infoText[6].setText("");
  form.info.infoText[2].setText(form.info.infoText[2].text() + "TOO LONG");
  EXPECT_FALSE(saveBiosFile(session));
  EXPECT_EQ(session.image()->bytes.bytes(), loaded);

  form.info.infoText[2].setText("RV670");
  platform.messages.clear();
  ASSERT_TRUE(saveTo("first.rom")) << texts().front();
  ASSERT_TRUE(saveTo("second.rom")) << texts().front();  // the emptied message is found where it was
  EXPECT_EQ(saved("first.rom"), saved("second.rom"));
  EXPECT_EQ(session.image()->bytes.bytes(), saved("first.rom"));
  EXPECT_EQ(form.info.infoText[6].text(), std::string(session.image()->strings.powerCableMessage.size(), ' '));
}

}  // namespace
}  // namespace oza
