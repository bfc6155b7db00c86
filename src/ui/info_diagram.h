// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace oza {
class InfoTab;
}

namespace oza::ui {

// The memory and bus diagram of the information tab: each value label is
// joined to its row by a pair of lines, drawn white where the image names
// that value.
class InfoDiagram : public QWidget {
  Q_OBJECT
 public:
  InfoDiagram(const InfoTab& tab, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const InfoTab& tab_;
};

}  // namespace oza::ui
