#pragma once

#include <QObject>
#include <optional>
#include <vector>

#include "trend/matrix_filters.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QWidget;

namespace dlt::gui {

struct FxdContext;
class Tf_zh;

// The three filter pages under the number matrix: "行列式出号个数过滤设置"
// exports a self condition on the numbers of chosen rows and columns,
// "空行空列过滤设置" a custom indicator on the count of empty rows or
// columns, "行列形态过滤设置" offers the shape key to the generator. The
// last two put the matrix order into the number grid layout the generator
// evaluates with. Each "过滤助手" shows its quantity's history in the
// indicator analysis.
class MatrixFilterPages : public QObject {
  Q_OBJECT
 public:
  MatrixFilterPages(FxdContext& fxd, const MatrixPictureSetup& setup, QWidget* owner);

  QWidget* BuildCountPage();      // ts_hns_filter1
  QWidget* BuildEmptyLinePage();  // ts_hns_filter2
  QWidget* BuildShapePage();      // ts_hns_filter3
  // A page of the inner page control was shown.
  void PageShown(QWidget* page);

 private:
  std::vector<bool> RowFlags() const;
  std::vector<bool> ColumnFlags() const;
  std::optional<GridKeyParams> EmptyLineParams();
  std::optional<GridKeyParams> ShapeParams();
  Tf_zh* Generator() const;
  void Inform(const QString& text);

  void ExportChosenCells();
  void ResetCountPage();
  void AssistChosenCells();
  void ExportEmptyLineCount();
  void ResetEmptyLinePage();
  void AssistEmptyLines();
  void TransferShape();
  void AssistShape();

  FxdContext& fxd_;
  const MatrixPictureSetup& setup_;
  QWidget* owner_;
  QWidget* countPage_ = nullptr;
  QWidget* emptyLinePage_ = nullptr;
  QWidget* shapePage_ = nullptr;
  std::vector<QCheckBox*> rows_, columns_;  // cb_r1..cb_r11, cb_c1..cb_c11
  QLineEdit* e_chgs = nullptr;
  QCheckBox* cb_hns_rc = nullptr;
  QLineEdit* e_hns_filter2 = nullptr;
  QButtonGroup* emptyStyle_ = nullptr;
  QLineEdit* e_hns_filter2_n = nullptr;
  QLineEdit* e_hns_filter2_h = nullptr;
  QCheckBox* cb_hns_filter2_rc = nullptr;
  QButtonGroup* shapeStyle_ = nullptr;
  QLineEdit* e_hns_filter3_n = nullptr;
  QLineEdit* e_hns_filter3_h = nullptr;
};

}  // namespace dlt::gui
