#include "session/main_form.h"

namespace oza {

void MainForm::collect(std::vector<Control*>& out) {
  for (Control* c : {&Form1, &Command1, &Command2, &Command3, &Command4, &Command5, &Command6,
                     &Command10, &Command11, &Option1, &Option2, &Option3, &Label48, &Label49,
                     &Label55, &Picture1, &FileMother, &BLoad, &BSave, &BCheck, &BCompare, &KeinName, &PE, &KeinName2,
                     &Exit, &Info, &FAQ, &About})
    out.push_back(c);
  info.collect(out);
  clock.collect(out);
  fan.collect(out);
}

}  // namespace oza
