// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/tab_pages.h"

#include "session/session.h"

namespace oza {

namespace {

// Selects the tab's button and hides every page; the caller shows the one
// that belongs to it.
void selectTab(MainForm& form, Control& button) {
  form.tabs.select(button);
  for (Control* page : {&form.info.infoFrame, &form.clock.clockFrame, &form.fan.type1Frame, &form.fan.type2Frame})
    page->setVisible(false);
}

}  // namespace

void showInfoTab(Session& session) {
  MainForm& form = session.form();
  selectTab(form, form.infoTabButton);
  form.info.infoFrame.setVisible(true);
}

void showClockTab(Session& session) {
  MainForm& form = session.form();
  selectTab(form, form.clockTabButton);
  form.clock.clockFrame.setVisible(true);
}

void showFanTab(Session& session) {
  MainForm& form = session.form();
  selectTab(form, form.fanTabButton);
  const LoadedImage* image = session.image();
  const FanTableType table = image ? image->fan.location.tableType : FanTableType::None;
  if ((image && image->fan.card.rv770) || table == FanTableType::Type1) {
    form.fan.type1Frame.setVisible(true);
  } else if (table == FanTableType::Type2) {
    form.fan.type2Frame.setVisible(true);
  }
}

}  // namespace oza
