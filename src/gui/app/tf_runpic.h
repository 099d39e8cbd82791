#pragma once

#include <QPixmap>
#include <QWidget>

namespace dlt::gui {

// The splash window: borderless, 400 by 295, centred, one picture; a click
// closes it.
class Tf_runpic : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_runpic(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;

 private:
  QPixmap picture_;
};

}  // namespace dlt::gui
