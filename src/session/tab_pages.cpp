#include "session/tab_pages.h"

#include "session/session.h"

namespace oza {

void ShowInfoTab(Session& session) {
  MainForm& form = session.form;
  form.tabs.select(form.Option3);
  form.info.Frame2.setVisible(true);
}

void ShowClockTab(Session& session) {
  MainForm& form = session.form;
  form.tabs.select(form.Option1);
  form.info.Frame2.setVisible(false);
}

void ShowFanTab(Session& session) {
  MainForm& form = session.form;
  form.tabs.select(form.Option2);
  form.info.Frame2.setVisible(false);
}

}  // namespace oza
