#include "session/tab_pages.h"

#include "session/session.h"

namespace oza {

void showInfoTab(Session& session) {
  MainForm& form = session.form;
  form.tabs.select(form.infoTabButton);
  form.clock.clockFrame.setVisible(false);
  form.fan.type2Frame.setVisible(false);
  form.fan.type1Frame.setVisible(false);
  form.info.infoFrame.setVisible(true);
}

void showClockTab(Session& session) {
  MainForm& form = session.form;
  form.tabs.select(form.clockTabButton);
  form.fan.type1Frame.setVisible(false);
  form.fan.type2Frame.setVisible(false);
  form.info.infoFrame.setVisible(false);
  form.clock.clockFrame.setVisible(true);
}

void showFanTab(Session& session) {
  MainForm& form = session.form;
  form.tabs.select(form.fanTabButton);
  form.clock.clockFrame.setVisible(false);
  form.info.infoFrame.setVisible(false);
  form.fan.type2Frame.setVisible(false);
  form.fan.type1Frame.setVisible(false);
  if (isRv770Card(session.cardId) || session.fanLocation.tableType == FanTableType::Type1) {
    form.fan.type1Frame.setVisible(true);
  } else if (session.fanLocation.tableType == FanTableType::Type2) {
    form.fan.type2Frame.setVisible(true);
  }
}

}  // namespace oza
