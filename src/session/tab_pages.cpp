#include "session/tab_pages.h"

#include "session/session.h"

namespace oza {

void ShowInfoTab(Session& session) {
  MainForm& form = session.form;
  form.tabs.select(form.Option3);
  form.clock.Frame1.setVisible(false);
  form.info.Frame2.setVisible(true);
}

void ShowClockTab(Session& session) {
  MainForm& form = session.form;
  form.tabs.select(form.Option1);
  form.info.Frame2.setVisible(false);
  form.clock.Frame1.setVisible(true);
}

void ShowFanTab(Session& session) {
  MainForm& form = session.form;
  form.tabs.select(form.Option2);
  form.clock.Frame1.setVisible(false);
  form.info.Frame2.setVisible(false);
}

}  // namespace oza
