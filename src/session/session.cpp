// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/session.h"

#include <algorithm>
#include <filesystem>

#include "session/faq.h"
#include "session/load_pipeline.h"
#include "session/save_pipeline.h"
#include "session/tab_pages.h"
#include "shell/links.h"
#include "shell/mail.h"
#include "shell/version_check.h"
#include "tabs/clock_tab.h"
#include "tabs/graph_file.h"

namespace oza {

Session::Session(Platform& platform)
    : platform_(platform), history_(editControls(), [this] { form_.fan.redrawShownGraphs(); }) {
  MainForm& form = form_;
  TextWindow& textWindow = textWindow_;
  form.loadButton.onClick = [this] { loadBiosFile(*this, ""); };
  form.loadItem.onClick = [this] { loadBiosFile(*this, ""); };
  form.saveButton.onClick = [this] { saveBiosFile(*this); };
  form.saveItem.onClick = [this] { saveBiosFile(*this); };
  form.faqButton.onClick = [this] { showFaq(); };
  form.faqItem.onClick = [this] { showFaq(); };
  form.clockTabButton.onClick = [this] { showClockTab(*this); };
  form.fanTabButton.onClick = [this] { showFanTab(*this); };
  form.infoTabButton.onClick = [this] { showInfoTab(*this); };
  form.info.messagesHelpLink.onClick = [this] { form_.info.showMessagesHelp(platform_); };
  form.clock.lockHelpLink.onClick = [this] { form_.clock.showLockHelp(platform_); };
  form.clock.stateHelpLink.onClick = [this] { textWindow_.show("Help on PowerPlay states", powerPlayHelpText()); };
  form.fan.saveType1GraphButton.onClick = [this] { saveGraph(platform_, form_.fan.type1Graph, dialogFolder()); };
  form.fan.saveType2GraphButton.onClick = [this] { saveGraph(platform_, form_.fan.type2Graph, dialogFolder()); };
  textWindow.okButton.onClick = [this] { textWindow_.unload(); };
  form.winFlashButton.onClick = [this] { shellOpen(platform_, winFlashUrl()); };
  form.publisherLogo.onClick = [this] { shellOpen(platform_, forumUrl()); };
  form.fan.settingsHelpLink.onClick = [this] { shellOpen(platform_, fanHelpUrl()); };
  form.versionCheckButton.onClick = [this] { checkForNewVersion(); };
}

std::vector<Control*> Session::controls() {
  std::vector<Control*> all;
  form_.collect(all);
  return all;
}

void Session::show(LoadedImage image) {
  image_ = std::make_shared<const LoadedImage>(std::move(image));
  const LoadedImage& shown = *image_;
  form_.loadedFile.setText(shown.path);
  form_.info.show(shown);
  form_.clock.show(shown);
  showFanSettings(shown.fan);
  // A save writes only the fields whose controls show something else.
  rememberAsLoaded(controls());
  history_.reset();
}

void Session::showFanSettings(const FanReading& fan) {
  form_.fan.show(fan);
  Control& fanTab = form_.fanTabButton;
  fanTab.setEnabled(fan.usable);
  if (!fan.usable && fanTab.checked()) showInfoTab(*this);
  if (fanTab.checked() && fanTab.enabled()) showFanTab(*this);
}

std::vector<Control*> Session::editControls() {
  MainForm& f = form_;
  FanTab& fan = f.fan;
  const Control* const view[] = {&f.window,
                                 &f.clockTabButton,
                                 &f.fanTabButton,
                                 &f.infoTabButton,
                                 &f.loadedFile,
                                 &f.clock.bandScroll,
                                 &f.clock.stateList,
                                 &f.clock.lowModeIndex,
                                 &f.clock.mediumModeIndex,
                                 &f.clock.highModeIndex,
                                 &f.clock.clockFrame,
                                 &f.info.infoFrame,
                                 &fan.type1Frame,
                                 &fan.type2Frame,
                                 &fan.type1StepGraph,
                                 &fan.type1ContinuousGraph,
                                 &fan.type2StepGraph,
                                 &fan.type2ContinuousGraph,
                                 &fan.type1Picture,
                                 &fan.type2Picture};
  std::vector<Control*> edited;
  for (Control* control : controls())
    if (std::find(std::begin(view), std::end(view), control) == std::end(view)) edited.push_back(control);
  return edited;
}

std::string Session::dialogFolder() const {
  if (image_) {
    const std::string folder = std::filesystem::path(image_->path).parent_path().string();
    if (!folder.empty()) return folder;
  }
  return lastFolder_;
}

void Session::rememberDialogPath(const std::string& path) {
  if (!path.empty()) lastFolder_ = std::filesystem::path(path).parent_path().string();
}

bool Session::hasUnsavedEdits() {
  if (!image_) return false;
  std::vector<Control*> values;
  for (Control* control : editControls()) {
    const ControlKind kind = control->kind();
    if (kind == ControlKind::TextBox || kind == ControlKind::ComboBox || kind == ControlKind::CheckBox ||
        kind == ControlKind::OptionButton)
      values.push_back(control);
  }
  return anyEdited(values);
}

Control* Session::findControl(const std::string& name) {
  for (Control* control : controls())
    if (control->name() == name) return control;
  return nullptr;
}

void Session::start() {
  form_.tabs.select(form_.infoTabButton);
  form_.window.setText(std::string(kSiteHost) + ": OZA - Ozarin BIOS editor v" + runningVersionText());
  form_.clock.applyClockInfoLock();
  form_.clock.bandScroll.setValue(0);
  form_.info.fillIdLists();
  rememberAsLoaded(controls());
  history_.reset();
}

void Session::showFaq() { textWindow_.show("FAQ", faqText()); }

void Session::checkForNewVersion() {
  // One check at a time: the window stays usable while it runs.
  if (versionCheckRunning_) return;
  versionCheckRunning_ = true;
  runVersionCheck(platform_, runningVersionText(), [this] { versionCheckRunning_ = false; });
}

std::string versionText(int major, int minor, int revision) {
  return std::to_string(major) + "." + std::to_string(minor) + std::to_string(revision);
}

std::string runningVersionText() { return versionText(OZA_VERSION_MAJOR, OZA_VERSION_MINOR, OZA_VERSION_REVISION); }

}  // namespace oza
