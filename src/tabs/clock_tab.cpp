// SPDX-License-Identifier: GPL-3.0-or-later

#include "tabs/clock_tab.h"

#include <algorithm>
#include <cmath>

#include "document/loaded_image.h"
#include "keys/value_keys.h"
#include "tabs/field_controls.h"
#include "text/number_text.h"
#include "platform/platform.h"

namespace oza {

namespace {

const Rgb kLow{0, 255, 0};
const Rgb kMedium{255, 255, 0};
const Rgb kHigh{255, 0, 0};

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// A number of the box's unit in units of `step` (10 kHz for MHz, mV for V).
// The box's rule has kept its decimals to those the field holds, so the
// product is whole but for the binary noise of the division.
std::uint32_t inSteps(double value, double perUnit) {
  return static_cast<std::uint32_t>(std::llround(value * perUnit));
}

}  // namespace

ClockTab::ClockTab() {
  std::vector<Control*> mine;
  collect(mine);
  describeFields(mine);
  for (ControlArray* boxes : {&gpuClock, &memoryClock, &voltage}) boxes->setNumbersOnly(true);
  for (int i = 0; i < kClockBlocks; ++i) blockCaption[i].setText("Clock info " + twoDigits(i));
  for (int g = 0; g < kBands; ++g) {
    gpuCaption[g].setText("GPU (MHz):");
    memoryCaption[g].setText("RAM (MHz):");
    voltageCaption[g].setText("Voltage (V):");
  }
  for (int i = 0; i < kClockBlocks; ++i) {
    gpuClock[i].onChange = [this] { mirrorLockedBlocks(gpuClock); };
    memoryClock[i].onChange = [this] { mirrorLockedBlocks(memoryClock); };
    voltage[i].onChange = [this] {
      mirrorLockedBlocks(voltage);
      markVoltageLevels();
    };
  }
  lock.onClick = [this] {
    applyClockInfoLock();
    // The locked clock infos take their masters' values at once, not only
    // when a master is next edited.
    for (ControlArray* boxes : {&gpuClock, &memoryClock, &voltage}) mirrorLockedBlocks(*boxes);
  };
  stateList.onClick = [this] { listClick(); };
  bandScroll.onChange = [this] {
    // The bands sit as far up as the bar has scrolled.
    lastScrollValue = bandScroll.value();
  };
}

void ClockTab::showStates(const PowerPlayStates& states) {
  states_ = states;
  stateList.clearItems();
  lowModeIndex.setText("0");
  mediumModeIndex.setText("0");
  highModeIndex.setText("0");
  for (std::size_t s = 0; s < states.stateClockIndex.size(); ++s)
    stateList.addItem(std::to_string(s) + stateDescription(states.classification[s]));
}

void ClockTab::show(const LoadedImage& image) {
  showStates(image.states());
  showOverdrive(image.overdrive);
  records_ = image.clockRecordCount;
  recordCount.setText(std::to_string(records_));
  clearClockBlocks();
  showClockInfos(image.clockInfos);
  applyClockInfoLock();
  showCard(image.card);
}

void ClockTab::showCard(const CardTables& card) {
  card_ = card;
  bootNote.setText(bootText(card));
  const std::string levels = levelsText(card);
  for (int i = 0; i < kClockBlocks; ++i) {
    const std::optional<KeyRef> key = keyOfControl(voltage[i].name());
    const std::string described = key ? keyDescription(*key) : "";
    voltage[i].setToolTip(levels.empty() ? "" : described + "\nThe regulator's levels: " + levels);
  }
  markVoltageLevels();
}

void ClockTab::markVoltageLevels() {
  for (int i = 0; i < kClockBlocks; ++i) {
    const auto& number = voltage[i].number();
    const bool value = card_.hasLevels() && voltage[i].enabled() && number && *number && **number > 0;
    voltage[i].setProblem(value ? levelNote(card_, static_cast<int>(inSteps(**number, 1000))) : "");
  }
}

void ClockTab::showClockInfos(const std::vector<ClockInfo>& records) {
  for (std::size_t i = 0; i < records.size() && i < static_cast<std::size_t>(kClockBlocks); ++i) {
    const int block = static_cast<int>(i);
    const ClockInfo& info = records[i];
    gpuClock[block].setText(megahertzText(info.engineClock));
    memoryClock[block].setText(megahertzText(info.memoryClock));
    voltage[block].setText(voltageText(info.voltage));
  }
}

ClockChanges ClockTab::changedSettings(const Control** illegal) const {
  const int records = std::min(records_, kMaxRecords);
  ClockChanges changes;
  // A box whose text its rule refuses stops the save there, naming the box.
  const auto value = [&changes, illegal](const Control& box) -> std::optional<double> {
    const auto& number = box.number();
    if (number) return number->value_or(0);
    changes.illegal = true;
    if (illegal) *illegal = &box;
    return std::nullopt;
  };
  for (int r = 0; r < records && r < kClockBlocks; ++r) {
    ClockInfoChange& change = changes.records.emplace_back();
    // A box that still shows what was loaded leaves its field as stored.
    for (auto [boxes, field] :
         {std::pair{&gpuClock, &change.engineClock}, std::pair{&memoryClock, &change.memoryClock}}) {
      const Control& box = (*boxes)[r];
      if (box.showsLoaded()) continue;
      const std::optional<double> megahertz = value(box);
      if (!megahertz) return changes;
      *field = inSteps(*megahertz, 100);
    }
    const Control& box = voltage[r];
    if (box.showsLoaded()) continue;
    // "---" stands for a field that holds no voltage; unless the user typed
    // over it, the field keeps its bytes.
    change.voltageNone = box.text() == "---";
    const std::optional<double> volts = value(box);
    if (!volts) return changes;
    change.voltage = *volts == 0 ? kNoVoltage : static_cast<std::uint16_t>(inSteps(*volts, 1000));
  }
  return changes;
}

void ClockTab::showOverdrive(const std::optional<OverdriveClocks>& read) {
  const OverdriveClocks clocks = read.value_or(OverdriveClocks{});
  standardGpuClock.setText(overdriveText(clocks.engineClock));
  standardRamClock.setText(overdriveText(clocks.memoryClock));
  ramLimit.setText(overdriveText(clocks.memoryLimit));
  gpuLimit.setText(overdriveText(clocks.engineLimit));
}

void ClockTab::setBlockEnabled(int block, bool enabled) {
  gpuClock[block].setEnabled(enabled);
  memoryClock[block].setEnabled(enabled);
  voltage[block].setEnabled(enabled);
}

void ClockTab::clearClockBlocks() {
  for (int i = 0; i < kClockBlocks; ++i) {
    gpuClock[i].setText("");
    memoryClock[i].setText("");
    voltage[i].setText("");
    setBlockEnabled(i, true);
  }
  lock.setChecked(false);
}

void ClockTab::applyClockInfoLock() {
  const int n = statesShown();
  // Records past the first kMaxRecords are neither read nor written: their
  // blocks stay disabled like those past the count, so that no edit of
  // them is taken and then dropped.
  const int shown = std::clamp(n, 0, kMaxRecords);
  if (n < 7) {
    lock.setChecked(false);
    for (int i = 0; i < shown; ++i) setBlockEnabled(i, true);
  } else {
    for (int follower : {4, 5, 6, 8, 9}) setBlockEnabled(follower, !lock.checked());
  }
  for (int i = shown; i < kClockBlocks; ++i) {
    setBlockEnabled(i, false);
    gpuClock[i].setText("");
    memoryClock[i].setText("");
    voltage[i].setText("");
  }
}

void ClockTab::mirrorLockedBlocks(ControlArray& boxes) {
  if (statesShown() < 7 || !lock.checked()) return;
  boxes[4].setText(boxes[1].text());
  boxes[5].setText(boxes[2].text());
  boxes[6].setText(boxes[3].text());
  boxes[8].setText(boxes[7].text());
  boxes[9].setText(boxes[7].text());
}

void ClockTab::listClick() {
  const int s = stateList.listIndex();
  if (s < 0) return;
  Control* labels[] = {&lowModeIndex, &mediumModeIndex, &highModeIndex};
  for (int slot = 1; slot <= 3; ++slot) {
    if (const std::optional<int> index = states_.clockIndex(s, slot)) labels[slot - 1]->setText(std::to_string(*index));
  }
}

void ClockTab::colourBlock(const std::optional<int>& index, Rgb colour) {
  if (!index || *index < 0 || *index >= kClockBlocks) return;
  const int block = *index;
  gpuClock[block].setBackColor(colour);
  memoryClock[block].setBackColor(colour);
  voltage[block].setBackColor(colour);
}

void ClockTab::listMouseDown() {
  listClick();
  const int s = stateList.listIndex();
  if (s < 0) return;
  colourBlock(states_.clockIndex(s, 3), kHigh);
  colourBlock(states_.clockIndex(s, 2), kMedium);
  colourBlock(states_.clockIndex(s, 1), kLow);
}

void ClockTab::listMouseUp() {
  for (int i = 0; i < kClockBlocks; ++i) {
    gpuClock[i].setBackColor(std::nullopt);
    memoryClock[i].setBackColor(std::nullopt);
    voltage[i].setBackColor(std::nullopt);
  }
}

void ClockTab::showLockHelp(Platform& platform) const {
  platform.message(
      "This is just for helping with over-/underclocking 3xx0 video cards. For those cards, it "
      "seems crucial that some\r\n"
      "clock infos are written exactly the same values. Locking just helps ensuring this.\r\n"
      "You can unlock if you like to enter different values for several clock infos, but OZA "
      "can't guarantee\r\n"
      "the success of your settings for 3xx0-cards then. If you are using a 4xx0-card,\r\n"
      "you shouldn't lock because some important information get hidden then.",
      MessageIcon::Information);
}

std::string ClockTab::defaultFileName() const {
  // Longest default name the dialog takes.
  constexpr std::size_t kLongestDefaultName = 254;
  if (memoryClock[1].text().empty() || memoryClock[2].text().empty()) return "Default.rom";
  std::string name = "2D - " + gpuClock[1].text() + ", " + memoryClock[1].text() + ", " + voltage[1].text() + " 3D - " +
                     gpuClock[3].text() + ", " + memoryClock[3].text() + ", " + voltage[3].text() + ".rom";
  // A pasted "/" would turn the name into a folder.
  std::replace(name.begin(), name.end(), '/', '-');
  return name.size() > kLongestDefaultName ? "Default.rom" : name;
}

void ClockTab::collect(std::vector<Control*>& out) {
  out.push_back(&clockFrame);
  blockCaption.collect(out);
  gpuClock.collect(out);
  memoryClock.collect(out);
  voltage.collect(out);
  gpuCaption.collect(out);
  memoryCaption.collect(out);
  voltageCaption.collect(out);
  for (Control* c : {&bandScroll, &recordCount, &lock, &lockHelpLink, &stateList, &lowModeIndex, &mediumModeIndex,
                     &highModeIndex, &stateHelpLink, &standardGpuCaption, &standardRamCaption, &gpuLimitCaption,
                     &ramLimitCaption, &standardGpuClock, &standardRamClock, &ramLimit, &gpuLimit, &bootNote})
    out.push_back(c);
}

std::string powerPlayHelpText() {
  return "PowerPlay is the power management of your video card: depending on what the card has "
         "to do, it throttles the clocks and the voltage and so lowers the power consumption and "
         "the heat. For this, the BIOS holds several PowerPlay states, each made for a certain "
         "condition, such as the boot mode, battery operation or 3D applications; most cards "
         "have four of them.\r\n\r\n"
         "Each state has several clock settings, mostly three, called 'low', 'medium' and "
         "'high'. A clock setting does not hold clocks itself: it points to one of the clock "
         "info modes (at most ten are used), and the clock info mode holds the GPU clock, the "
         "memory clock and the voltage. The boot state (state 0) usually points all three of its "
         "settings to clock info 0, while another state may point to the modes 2, 4 and 7. So "
         "one clock info mode can serve several settings of several states. OZA shows you this "
         "dependency structure: select a state and keep the mouse button pressed to see which "
         "clock infos it uses. Please take it into account when you change a clock info mode.";
}

}  // namespace oza
