#pragma once

#include <array>

#include "gui/trend/fxd_derived_page.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace dlt::gui {

// "组合形态走势": the combination shape of two or three formulas charted
// as "getzb(" key ")", the legend of its values in the memo, and
// "过滤设置" exporting chosen shape values to the generator. Editing a
// formula does not redraw; "更新" does.
class ShapeChartPage : public DerivedChartPage {
  Q_OBJECT
 public:
  explicit ShapeChartPage(FxdContext& fxd, QWidget* parent = nullptr);

  int Arity() const;
  int Type() const;
  std::string Key() const;
  QLineEdit* Formula(int i) const { return formulas_[i]; }

 protected:
  std::optional<std::string> BuildText() override;
  void Analyse() override;
  void Transfer() override;

 private:
  void SetArity(int arity);

  std::array<QLineEdit*, 3> formulas_{};
  std::array<QPushButton*, 3> choose_{};
  QRadioButton* rb_zbzhxt_2 = nullptr;
  QButtonGroup* types_ = nullptr;
  QComboBox* cb_morezhzb = nullptr;
  QPlainTextEdit* m_zbzhxt = nullptr;
};

}  // namespace dlt::gui
