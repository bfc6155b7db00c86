// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

#include "card/rom_access.h"

namespace oza {
class Session;
}

namespace oza::ui {

class Binder;

// "Load BIOS from installed card..." of the File menu: lists the installed
// cards, lets the user choose one and loads its BIOS like a file.
class CardLoader {
 public:
  CardLoader(QWidget* parent, Session& session, Binder& binder);

  void run();

  // The ROM steps and the choice among the listed cards (its row, or -1 when
  // cancelled); the tests put their own in place.
  std::unique_ptr<RomAccess> access = std::make_unique<SysfsRomAccess>();
  std::function<int(const QStringList& cards)> choose;

 private:
  QWidget* parent_;
  Session& session_;
  Binder& binder_;
};

}  // namespace oza::ui
