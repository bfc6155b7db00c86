// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/faq.h"

#include <vector>

namespace oza {

std::string faqText() {
  const std::vector<std::string> lines = {
      "FAQ - Frequently asked questions",
      "",
      "Q: Why do I get three dashes instead of a number in some of the 'voltage' boxes?",
      "A: Those voltages are not stored in the BIOS: they are fused into the chip and the driver "
      "sets them. You can leave the dashes as they are or type a voltage over them.",
      "",
      "Q: Why can't I use commas in the value boxes? For example, I'd like to set 1,2 volt in "
      "state 3.",
      "A: OZA always uses the point as decimal separator, whatever your regional settings say. "
      "Type 1.2 instead of 1,2.",
      "",
      "Q: What's that 'BIOS had been pre-modified using OZA' checkbox for?",
      "A: It is for your information only. Files that OZA changed before can be loaded again "
      "since version 1.08, but starting from an original file is recommended; note that the box "
      "can also be ticked for a file OZA never touched.",
      "",
      "Q: What states/modes do I have to change to get a nice and creamy overclocking "
      "experience?",
      "A: Raise the values that are already the highest ones; on a 3870, for example, that is "
      "the clock info holding 775 MHz GPU and 1125 MHz memory clock, which the 3D states use.",
      "",
      "Q: What's that fan settings stuff?",
      "A: The fan is driven either by a transfer function (Tmin, Tmax and a minimum duty) or by "
      "a look-up table of temperatures and fan speeds; the graph shows at once what your changes "
      "do to the fan curve.",
      "",
      "Q: In OZA's info tab, there are some boxes for displaying RAM amount, type, interface and "
      "video card interface. My card's RAM amount and interface are not displayed properly. In "
      "fact, there is nothing displayed for RAM amount and interface at all. Why? Is that a "
      "problem, maybe an indicator that my BIOS is not fully supported?",
      "A: No. Some BIOSes simply do not name these values in their texts; the BIOS finds them out "
      "only while it runs on the card, so there is nothing for OZA to show.",
      "",
      "Q: Can OZA remove the 862 MHz lock of my 3850/3870?",
      "A: No. That lock comes from an error in the code of early BIOS versions, not from a limit "
      "a patch could lift; flash a newer BIOS instead.",
      "",
      "Q: I can't gain any more overclocking headroom by increasing the voltage. Why? What's the "
      "maximum safe voltage setting?",
      "A: That depends on your card; most voltage regulators on these cards do not go above "
      "about 1.4 volts, whatever you enter.",
      "",
      "Q: Are you certain I can modify my 3870 X\xC2\xB2 BIOS using OZA? I heard rumors about "
      "problems with it.",
      "A: Yes. Just make sure you flash the very same modified file to both boards (both GPUs) "
      "of the card.",
      "",
      "Q: The displayed Tslope in the fan tab sometimes doesn't match the value I am sure to be "
      "programmed into the BIOS after loading it. I checked it twice using RivaTuner. Why?",
      "A: OZA does not show the stored Tslope: it computes it from the programmed Tmin, Tmax and "
      "minimum duty, so it can differ from the value stored in the BIOS.",
      "",
      "Q: What's with the sub vendor and video card ID?",
      "A: You can change both. Changing the sub vendor ID is harmless, but changing the video "
      "card type is dangerous:",
      "you will have to reinstall the driver, and the driver will then detect your card as "
      "something it is not.",
      "",
      "Q: The BIOS checksum displayed in OZA sometimes differs from the one displayed in "
      "WinFlash. Why?",
      "A: WinFlash shows a wrong checksum for these files; the one OZA shows is the correct sum "
      "of all bytes.",
      "",
  };
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) text += "\r\n";
    text += lines[i];
  }
  return text;
}

}  // namespace oza
