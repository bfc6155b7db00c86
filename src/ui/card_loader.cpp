// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/card_loader.h"

#include <QInputDialog>

#include "card/pci_cards.h"
#include "session/card_loading.h"
#include "session/session.h"
#include "ui/binder.h"

namespace oza::ui {

CardLoader::CardLoader(QWidget* parent, Session& session, Binder& binder)
    : parent_(parent), session_(session), binder_(binder) {
  choose = [this](const QStringList& cards) {
    bool chosen = false;
    const QString card = QInputDialog::getItem(parent_, QStringLiteral("Load BIOS from installed card"),
                                               QStringLiteral("Card:"), cards, 0, false, &chosen);
    return chosen ? static_cast<int>(cards.indexOf(card)) : -1;
  };
}

void CardLoader::run() {
  const std::vector<PciCard> cards = listCards(sysfsRoot(), *access);
  if (cards.empty()) {
    binder_.userEvent([this] {
      session_.platform().message("No display device of vendor 0x1002 (ATI/AMD) was found.", MessageIcon::Information);
    });
    return;
  }
  QStringList labels;
  for (const PciCard& card : cards) labels << QString::fromStdString(cardLabel(card));
  const int row = choose(labels);
  if (row < 0 || row >= static_cast<int>(cards.size())) return;
  const std::string address = cards[static_cast<std::size_t>(row)].address;
  binder_.userEvent([&] { loadBiosFromCard(session_, address, *access); });
}

}  // namespace oza::ui
