#pragma once

#include <QDialog>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;

namespace dlt::gui {

// "输入奖金": the amount per ticket of a floating tier of a draw, entered by
// hand when no published figure is stored.
class Tf_srjj : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_srjj(QWidget* parent = nullptr);

  // The draw and the levels to choose from (1 for 一等奖 ..).
  void Prepare(int32_t draw, const std::vector<int>& levels);
  int Level() const;
  QString AmountText() const;

 private:
  QLabel* l_draw;
  QComboBox* cb_level;
  QLineEdit* e_amount;
};

}  // namespace dlt::gui
