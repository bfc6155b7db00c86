// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QWidget>
#include <optional>

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
  // The diagram's measures in the font it is drawn with, so that a large
  // font gets a large diagram; kept until the font changes, as layouts ask
  // for the size hint many times.
  struct Measures {
    int rowHeight = 0, captionWidth = 0, valueWidth = 0;
  };
  const Measures& measures() const;

  const InfoTab& tab_;
  mutable QFont measuredFont_;
  mutable std::optional<Measures> measures_;
};

}  // namespace oza::ui
