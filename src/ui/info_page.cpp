// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/info_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "tabs/info_tab.h"
#include "ui/binder.h"
#include "ui/info_diagram.h"
#include "ui/link_label.h"
#include "ui/palette_colours.h"

namespace oza::ui {

namespace {

// The seven texts, with the checksum and the size beside the date.
QGridLayout* buildTexts(InfoTab& tab, Binder& binder, QGroupBox* frame) {
  auto* fields = new QGridLayout;
  static const char* const captions[] = {
      "Bios date/time:",    "BIOS version string:", "Reported chip type:",       "Hardware specs string:",
      "Copyright message:", "AtomBIOS version:",    "Power cabel error message:"};
  for (int i = 0; i < 7; ++i) {
    fields->addWidget(new QLabel(QString::fromUtf8(captions[i]), frame), i, 0);
    auto* edit = new QLineEdit(frame);
    binder.bind(tab.infoText[i], edit);
    fields->addWidget(edit, i, 1, 1, i == 0 ? 1 : 5);
  }
  auto* checksumCaption = new QLabel(QStringLiteral("BIOS checksum:"), frame);
  auto* checksum = new QLabel(frame);
  binder.bind(tab.checksum, checksum);
  auto* sizeCaption = new QLabel(QStringLiteral("BIOS size:"), frame);
  auto* size = new QLabel(frame);
  binder.bind(tab.biosSize, size);
  fields->addWidget(checksumCaption, 0, 2, Qt::AlignRight);
  fields->addWidget(checksum, 0, 3);
  fields->addWidget(sizeCaption, 0, 4, Qt::AlignRight);
  fields->addWidget(size, 0, 5);
  fields->setColumnStretch(1, 3);
  fields->setColumnStretch(3, 1);
  fields->setColumnStretch(5, 1);
  return fields;
}

// The sub vendor and video card IDs.
QGroupBox* buildIds(InfoTab& tab, Binder& binder, QGroupBox* frame) {
  auto* ids = new QGroupBox(frame);
  binder.bind(tab.idFrame, ids);
  auto* idLayout = new QGridLayout(ids);
  auto* vendor = new QComboBox(ids);
  vendor->setEditable(true);
  vendor->setInsertPolicy(QComboBox::NoInsert);
  binder.bind(tab.subVendor, vendor);
  auto* card = new QComboBox(ids);
  card->setEditable(true);
  card->setInsertPolicy(QComboBox::NoInsert);
  binder.bind(tab.videoCard, card);
  idLayout->addWidget(vendor, 0, 0, 1, 3);
  idLayout->addWidget(new QLabel(QStringLiteral("Video card:"), ids), 1, 0);
  idLayout->addWidget(card, 1, 1);
  auto* warning = new WarningLabel(QStringLiteral("(WARNING! Refer to the FAQ before changing this!)"), ids);
  idLayout->addWidget(warning, 1, 2);
  idLayout->setColumnStretch(1, 1);
  return ids;
}

}  // namespace

QGroupBox* buildInfoPage(InfoTab& tab, Binder& binder, QWidget* parent, InfoDiagram** diagram) {
  auto* frame = new QGroupBox(parent);
  binder.bind(tab.infoFrame, frame);
  auto* layout = new QVBoxLayout(frame);

  layout->addLayout(buildTexts(tab, binder, frame));

  layout->addWidget(buildIds(tab, binder, frame));

  auto* flags = new QHBoxLayout;
  auto* premodified = new QCheckBox(frame);
  binder.bind(tab.preModified, premodified);
  auto* help = new LinkLabel(frame);
  binder.bind(tab.messagesHelpLink, help);
  flags->addWidget(premodified);
  flags->addStretch(1);
  flags->addWidget(help);
  layout->addLayout(flags);

  *diagram = new InfoDiagram(tab, frame);
  layout->addWidget(*diagram);
  auto* images = new QLabel(frame);
  images->setTextInteractionFlags(Qt::TextSelectableByMouse);
  binder.bind(tab.pciImages, images);
  // Room for the usual chain (an AtomBIOS and an EFI image, then the bytes
  // after them), so that a load does not push the page past the window.
  images->setMinimumHeight(images->fontMetrics().lineSpacing() * 3);
  layout->addWidget(images);
  auto* cardGroup = new QGroupBox(frame);
  binder.bind(tab.cardFrame, cardGroup);
  auto* facts = new QLabel(cardGroup);
  facts->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Its three lines, before a load gives them, so that the window opens tall enough.
  facts->setMinimumHeight(facts->fontMetrics().lineSpacing() * 3);
  binder.bind(tab.cardFacts, facts);
  auto* cardLayout = new QVBoxLayout(cardGroup);
  cardLayout->setContentsMargins(6, 2, 6, 2);
  cardLayout->addWidget(facts);
  layout->addWidget(cardGroup);
  layout->addStretch(1);
  return frame;
}

}  // namespace oza::ui
