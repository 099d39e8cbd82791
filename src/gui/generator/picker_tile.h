#pragma once

#include <QLabel>

namespace dlt::gui {

// One value tile of the value picker: a 25 × 25 label whose colour is its
// selection state; a click toggles it.
class PickerTile : public QLabel {
  Q_OBJECT
 public:
  static constexpr int kSize = 25;

  PickerTile(int value, QWidget* parent);

  int Value() const { return value_; }
  bool Selected() const { return selected_; }
  void SetSelected(bool selected);
  void Toggle() { SetSelected(!selected_); }

  static QColor UnselectedColour() { return QColor(53, 191, 202); }
  static QColor SelectedColour() { return QColor(227, 28, 199); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int value_;
  bool selected_ = false;
};

}  // namespace dlt::gui
