#pragma once

#include <array>

#include "gui/trend/fxd_context.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace dlt::gui {

class ShapeChartPage;
class FrozenTableView;
class TextGridModel;

// "组合形态图表": the values of two or three formulas and their seven ordered
// shapes for each draw of a range. Its formulas are the twins of those of
// "组合形态走势".
class ShapeTablePage : public FxdPage {
  Q_OBJECT
 public:
  ShapeTablePage(FxdContext& fxd, ShapeChartPage& twin, QWidget* parent = nullptr);

  void Fill() override;
  void FormShow() override;
  const TextGridModel& Model() const { return *model_; }

 private:
  void SetArity(bool three);

  FxdContext& fxd_;
  std::array<QLineEdit*, 3> formulas_{};
  std::array<QPushButton*, 3> choose_{};
  QRadioButton* rb_zhxtdb_3zb = nullptr;
  QComboBox* from_ = nullptr;
  QComboBox* to_ = nullptr;
  TextGridModel* model_ = nullptr;
  FrozenTableView* grid_ = nullptr;
};

}  // namespace dlt::gui
