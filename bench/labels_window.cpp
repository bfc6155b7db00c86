// SPDX-License-Identifier: GPL-3.0-or-later

// What showing the window's texts costs at the least: the texts the
// Information page shows for the real HD 4670 image, and the window's
// buttons' captions, each in a plain label, under a menu bar of the window's
// three menus; shown, painted once, and closed like the other two programs.
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  for (const char* menu : {"&File", "E&dit", "&Info"}) window.menuBar()->addMenu(QString::fromLatin1(menu));
  static const char* const texts[] = {
      "Clock settings",
      "Fan settings",
      "Information",
      "BIOS information",
      "Bios date/time:",
      "09/16/09,00:56",
      "BIOS version string:",
      "113-B80301-020",
      "Reported chip type:",
      "M96XT",
      "Hardware specs string:",
      "113-B80301-020 M96XT GDDR3 128bit 680e/790m",
      "Copyright message:",
      "(C) 1988-2005, ATI Technologies Inc.",
      "AtomBIOS version:",
      "ATOMBIOSBK-ATI VER011.022.007.004.034490",
      "Power cabel error message:",
      "",
      "BIOS checksum:",
      "0xF000",
      "BIOS size:",
      "0x20000",
      "Sub vendor ID/Video card ID",
      "0x106B - Apple Computer",
      "(unkown)",
      "Video card:",
      "(WARNING! Refer to the FAQ before changing this!)",
      "BIOS had been pre-modified using OZA",
      "What are all those messages for?",
      "Image 0: x86, 64,000 bytes at 0x00000, 1002:9488\nImage 1: EFI, 46,080 bytes at 0x0FA00, 1002:9488, "
      "last\nAfter the images: 20,992 bytes, 0 of them data",
      "Card",
      "Voltage regulator: GPIO, levels 0.900, 1.000, 1.100, 1.200 V\nPLL maxima: GPU 2500 MHz, memory 2500 "
      "MHz\nThermal controller: external GPIO, with a fan; the fan settings do not run it",
      "Loaded BIOS file:",
      "hd4670-rv730-imac.rom",
      "Load BIOS...",
      "Save BIOS...",
      "Profile editor...",
      "FAQ...",
      "Check for new OZA version...",
      "Get WinFlash!",
      "About...",
      "Exit",
      "Developed in cooperation with"};
  auto* central = new QWidget;
  auto* grid = new QGridLayout(central);
  int at = 0;
  for (const char* text : texts) {
    grid->addWidget(new QLabel(QString::fromLatin1(text)), at / 2, at % 2);
    ++at;
  }
  window.setCentralWidget(central);
  window.show();
  QApplication::processEvents();
  window.repaint();
  return 0;
}
