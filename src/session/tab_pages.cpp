#include "session/tab_pages.h"

#include "session/session.h"

namespace oza {

void ShowInfoTab(Session& session) {
  MainForm& form = session.form;
  form.tabs.select(form.Option3);
  form.clock.Frame1.setVisible(false);
  form.fan.Frame3.setVisible(false);
  form.fan.Frame4.setVisible(false);
  form.info.Frame2.setVisible(true);
}

void ShowClockTab(Session& session) {
  MainForm& form = session.form;
  form.tabs.select(form.Option1);
  form.fan.Frame4.setVisible(false);
  form.fan.Frame3.setVisible(false);
  form.info.Frame2.setVisible(false);
  form.clock.Frame1.setVisible(true);
}

void ShowFanTab(Session& session) {
  MainForm& form = session.form;
  form.tabs.select(form.Option2);
  form.clock.Frame1.setVisible(false);
  form.info.Frame2.setVisible(false);
  form.fan.Frame3.setVisible(false);
  form.fan.Frame4.setVisible(false);
  if (isRv770Card(session.cardId) || session.fanLocation.tableType == FanTableType::Type1) {
    form.fan.Frame4.setVisible(true);
  } else if (session.fanLocation.tableType == FanTableType::Type2) {
    form.fan.Frame3.setVisible(true);
  }
}

}  // namespace oza
