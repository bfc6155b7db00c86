#pragma once

#include <QLabel>

namespace oza::ui {

// A label the user can click, shown as a link with the hand cursor.
class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  explicit LinkLabel(QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace oza::ui
