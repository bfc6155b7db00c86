#include "session/session.h"

#include "fan/graph_file.h"
#include "powerplay/clock_tab.h"
#include "session/faq.h"
#include "shell/links.h"
#include "shell/mail.h"
#include "shell/version_check.h"
#include "session/load_pipeline.h"
#include "session/save_pipeline.h"
#include "session/tab_pages.h"

namespace oza {

Session::Session(Platform& platformRef) : platform(platformRef) {
  form.Command1.onClick = [this] { loadBiosFile(*this, ""); };
  form.BLoad.onClick = [this] { loadBiosFile(*this, ""); };
  form.Command2.onClick = [this] { saveBiosFile(*this); };
  form.BSave.onClick = [this] { saveBiosFile(*this); };
  form.Command6.onClick = [this] { showFaq(); };
  form.FAQ.onClick = [this] { showFaq(); };
  form.Option1.onClick = [this] { ShowClockTab(*this); };
  form.Option2.onClick = [this] { ShowFanTab(*this); };
  form.Option3.onClick = [this] { ShowInfoTab(*this); };
  form.info.Label57.onClick = [this] { form.info.showMessagesHelp(platform); };
  form.clock.Label58.onClick = [this] { form.clock.showLockHelp(platform); };
  form.clock.Label96.onClick = [this] { textWindow.show("Help on PowerPlay states", powerPlayHelpText()); };
  form.fan.Command8.onClick = [this] { saveGraph(platform, form.fan.graph2); };
  form.fan.Command9.onClick = [this] { saveGraph(platform, form.fan.graph5); };
  textWindow.Command1.onClick = [this] { textWindow.unload(); };
  form.Command4.onClick = [this] { ShellOpen(platform, winFlashUrl()); };
  form.Picture1.onClick = [this] { ShellOpen(platform, forumUrl()); };
  form.fan.Label67.onClick = [this] { ShellOpen(platform, fanHelpUrl()); };
  form.Command10.onClick = [this] { checkForNewVersion(); };
}

std::vector<Control*> Session::controls() {
  std::vector<Control*> all;
  form.collect(all);
  return all;
}

Control* Session::findControl(const std::string& name) {
  for (Control* control : controls())
    if (control->name() == name) return control;
  return nullptr;
}

void Session::start() {
  form.tabs.select(form.Option3);
  form.Form1.setText(std::string(kSiteHost) + ": OZA - Ozarin BIOS editor v" + runningVersionText());
  form.clock.applyClockInfoLock();
  form.clock.VScroll1.setValue(0);
  form.info.fillIdLists();
  rememberLoadedControls(*this);
}

void Session::showFaq() { textWindow.show("FAQ", faqText()); }

void Session::checkForNewVersion() {
  // One check at a time: the window stays usable while it runs.
  if (versionCheckRunning_) return;
  versionCheckRunning_ = true;
  CheckForNewVersion(platform, runningVersionText(), [this] { versionCheckRunning_ = false; });
}

std::string versionText(int major, int minor, int revision) {
  return std::to_string(major) + "." + std::to_string(minor) + std::to_string(revision);
}

std::string runningVersionText() {
  return versionText(OZA_VERSION_MAJOR, OZA_VERSION_MINOR, OZA_VERSION_REVISION);
}

}  // namespace oza
