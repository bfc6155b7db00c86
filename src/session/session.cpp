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
  form.loadButton.onClick = [this] { loadBiosFile(*this, ""); };
  form.loadItem.onClick = [this] { loadBiosFile(*this, ""); };
  form.saveButton.onClick = [this] { saveBiosFile(*this); };
  form.saveItem.onClick = [this] { saveBiosFile(*this); };
  form.faqButton.onClick = [this] { showFaq(); };
  form.faqItem.onClick = [this] { showFaq(); };
  form.clockTabButton.onClick = [this] { showClockTab(*this); };
  form.fanTabButton.onClick = [this] { showFanTab(*this); };
  form.infoTabButton.onClick = [this] { showInfoTab(*this); };
  form.info.messagesHelpLink.onClick = [this] { form.info.showMessagesHelp(platform); };
  form.clock.lockHelpLink.onClick = [this] { form.clock.showLockHelp(platform); };
  form.clock.stateHelpLink.onClick = [this] { textWindow.show("Help on PowerPlay states", powerPlayHelpText()); };
  form.fan.saveType1GraphButton.onClick = [this] { saveGraph(platform, form.fan.type1Graph); };
  form.fan.saveType2GraphButton.onClick = [this] { saveGraph(platform, form.fan.type2Graph); };
  textWindow.okButton.onClick = [this] { textWindow.unload(); };
  form.winFlashButton.onClick = [this] { shellOpen(platform, winFlashUrl()); };
  form.publisherLogo.onClick = [this] { shellOpen(platform, forumUrl()); };
  form.fan.settingsHelpLink.onClick = [this] { shellOpen(platform, fanHelpUrl()); };
  form.versionCheckButton.onClick = [this] { checkForNewVersion(); };
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
  form.tabs.select(form.infoTabButton);
  form.window.setText(std::string(kSiteHost) + ": OZA - Ozarin BIOS editor v" + runningVersionText());
  form.clock.applyClockInfoLock();
  form.clock.bandScroll.setValue(0);
  form.info.fillIdLists();
  rememberLoadedControls(*this);
}

void Session::showFaq() { textWindow.show("FAQ", faqText()); }

void Session::checkForNewVersion() {
  // One check at a time: the window stays usable while it runs.
  if (versionCheckRunning_) return;
  versionCheckRunning_ = true;
  runVersionCheck(platform, runningVersionText(), [this] { versionCheckRunning_ = false; });
}

std::string versionText(int major, int minor, int revision) {
  return std::to_string(major) + "." + std::to_string(minor) + std::to_string(revision);
}

std::string runningVersionText() {
  return versionText(OZA_VERSION_MAJOR, OZA_VERSION_MINOR, OZA_VERSION_REVISION);
}

}  // namespace oza
