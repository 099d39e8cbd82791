#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace dlt::gui {

struct AppContext;

// "自定义杀号设置" (or, for the chart windows, "选择指标"): an indicator
// from the catalogue or a user formula, and a value range 0..999.
class Tf_selfsh_set : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_selfsh_set(AppContext& app, QWidget* parent = nullptr);

  // With rb_xtzb the key of the chosen entry, else the formula typed.
  QString Indicator() const;
  int From() const;
  int To() const;

 protected:
  // Every show starts with the range 0..9.
  void showEvent(QShowEvent* event) override;

 private:
  void EntryChosen();
  void OpenFormulaAid();
  void Confirm();

  AppContext& app_;
  QRadioButton* rb_xtzb = nullptr;
  QRadioButton* rb_selfzb = nullptr;
  QComboBox* cb_gszb = nullptr;
  QLineEdit* e_selfzb = nullptr;
  QComboBox* cb_qzfrom = nullptr;
  QComboBox* cb_qzto = nullptr;
};

}  // namespace dlt::gui
