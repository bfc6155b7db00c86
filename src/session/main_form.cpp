// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/main_form.h"

namespace oza {

void MainForm::collect(std::vector<Control*>& out) {
  for (Control* c : {&window,
                     &loadButton,
                     &saveButton,
                     &aboutButton,
                     &winFlashButton,
                     &exitButton,
                     &faqButton,
                     &versionCheckButton,
                     &profileEditorButton,
                     &clockTabButton,
                     &fanTabButton,
                     &infoTabButton,
                     &loadedFileCaption,
                     &loadedFile,
                     &cooperationCaption,
                     &publisherLogo,
                     &fileMenu,
                     &loadItem,
                     &saveItem,
                     &checkItem,
                     &compareItem,
                     &fileSeparator,
                     &profileEditorItem,
                     &exitSeparator,
                     &exitItem,
                     &infoMenu,
                     &faqItem,
                     &aboutItem})
    out.push_back(c);
  info.collect(out);
  clock.collect(out);
  fan.collect(out);
}

}  // namespace oza
