#include "powerplay/clock_tab.h"

#include "image/number_text.h"
#include "platform/platform.h"

namespace oza {

namespace {

const Rgb kLow{0, 255, 0};
const Rgb kMedium{255, 255, 0};
const Rgb kHigh{255, 0, 0};

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

ClockTab::ClockTab() {
  for (int i = 0; i < kClockBlocks; ++i) ClockInfo[i].setText("Clock info " + twoDigits(i));
  for (int g = 0; g < kBands; ++g) {
    GPU_MHz[g].setText("GPU (MHz):");
    RAM_MHz[g].setText("RAM (MHz):");
    Voltage_V[g].setText("Voltage (V):");
  }
  for (int i = 0; i < kClockBlocks; ++i) {
    GPU[i].onChange = [this] { MirrorLockedBlocks(GPU); };
    RAM[i].onChange = [this] { MirrorLockedBlocks(RAM); };
    Voltage[i].onChange = [this] { MirrorLockedBlocks(Voltage); };
  }
  Check2.onClick = [this] { ApplyClockInfoLock(); };
  List1.onClick = [this] { listClick(); };
  VScroll1.onChange = [this] {
    // The bands sit as far up as the bar has scrolled.
    LastScrollValue = VScroll1.value();
  };
}

void ClockTab::showStates(const PowerPlayStates& states) {
  states_ = states;
  List1.clearItems();
  Label92.setText("0");
  Label93.setText("0");
  Label94.setText("0");
  for (std::size_t s = 0; s < states.StateClockIndex.size(); ++s)
    List1.addItem(std::to_string(s) + stateDescription(states.classification[s]));
}

int ClockTab::statesShown() const { return static_cast<int>(textValue(States.text())); }

void ClockTab::setBlockEnabled(int block, bool enabled) {
  GPU[block].setEnabled(enabled);
  RAM[block].setEnabled(enabled);
  Voltage[block].setEnabled(enabled);
}

void ClockTab::ClearClockBlocks() {
  for (int i = 0; i < kClockBlocks; ++i) {
    GPU[i].setText("");
    RAM[i].setText("");
    Voltage[i].setText("");
    setBlockEnabled(i, true);
  }
  Check2.setChecked(false);
}

void ClockTab::ApplyClockInfoLock() {
  const int n = statesShown();
  if (n < 7) {
    Check2.setChecked(false);
    for (int i = 0; i < n && i < kClockBlocks; ++i) setBlockEnabled(i, true);
  } else {
    for (int follower : {4, 5, 6, 8, 9}) setBlockEnabled(follower, !Check2.checked());
  }
  for (int i = std::max(n, 0); i < kClockBlocks; ++i) {
    setBlockEnabled(i, false);
    GPU[i].setText("");
    RAM[i].setText("");
    Voltage[i].setText("");
  }
}

void ClockTab::MirrorLockedBlocks(ControlArray& boxes) {
  if (statesShown() < 7 || !Check2.checked()) return;
  boxes[4].setText(boxes[1].text());
  boxes[5].setText(boxes[2].text());
  boxes[6].setText(boxes[3].text());
  boxes[8].setText(boxes[7].text());
  boxes[9].setText(boxes[7].text());
}

void ClockTab::listClick() {
  const int s = List1.listIndex();
  if (s < 0) return;
  Control* labels[] = {&Label92, &Label93, &Label94};
  for (int slot = 1; slot <= 3; ++slot) {
    const int index = states_.clockIndex(s, slot);
    if (index >= 0) labels[slot - 1]->setText(std::to_string(index));
  }
}

void ClockTab::colourBlock(int block, Rgb colour) {
  if (block < 0 || block >= kClockBlocks) return;
  GPU[block].setBackColor(colour);
  RAM[block].setBackColor(colour);
  Voltage[block].setBackColor(colour);
}

void ClockTab::listMouseDown() {
  listClick();
  const int s = List1.listIndex();
  if (s < 0) return;
  colourBlock(states_.clockIndex(s, 3), kHigh);
  colourBlock(states_.clockIndex(s, 2), kMedium);
  colourBlock(states_.clockIndex(s, 1), kLow);
}

void ClockTab::listMouseUp() {
  for (int i = 0; i < kClockBlocks; ++i) {
    GPU[i].setBackColor(std::nullopt);
    RAM[i].setBackColor(std::nullopt);
    Voltage[i].setBackColor(std::nullopt);
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

void ClockTab::collect(std::vector<Control*>& out) {
  out.push_back(&Frame1);
  ClockInfo.collect(out);
  GPU.collect(out);
  RAM.collect(out);
  Voltage.collect(out);
  GPU_MHz.collect(out);
  RAM_MHz.collect(out);
  Voltage_V.collect(out);
  for (Control* c : {&VScroll1, &States, &Check2, &Label58, &List1, &Label92, &Label93, &Label94,
                     &Label96, &Label97, &Label98, &Label99, &Label100, &Label101, &Label102,
                     &Label103, &Label104})
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
