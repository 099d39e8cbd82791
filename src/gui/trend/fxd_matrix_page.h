#pragma once

#include <QString>
#include <random>

#include "gui/trend/fxd_context.h"
#include "trend/number_matrix.h"

class QButtonGroup;
class QComboBox;
class QPushButton;
class QTabWidget;

namespace dlt::gui {

class ChartView;
class MatrixFilterPages;

// "行列式": K matrices from the anchor, the numbers laid out by the chosen
// order, drawn numbers on red discs, empty rows and columns shaded, and the
// picks matrix "选号区" after the last draw. The operation page sets size,
// order, count and content and pages; the three filter pages hand what the
// matrices show to the generator (MatrixFilterPages).
class MatrixPage : public FxdPage {
  Q_OBJECT
 public:
  explicit MatrixPage(FxdContext& fxd, QWidget* parent = nullptr);

  void Fill() override;

  const MatrixPictureSetup& Setup() const { return setup_; }
  const MatrixPicture& Picture() const { return picture_; }
  ChartView* View() const { return i_hns; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildOperationPage();
  void SizeChosen();
  void CustomSizeChanged();
  void OrderChosen(int item);
  // An order that is not one of the list's files: designed, random or loaded.
  void UseOwnOrder(const MatrixOrder& order);
  void DesignOrder();
  void RandomOrder();
  void LoadOrder();
  void SaveOrder();
  void ReadDisplayBoxes();
  void Inform(const QString& text);
  QString LayoutPath(const QString& relative) const;

  FxdContext& fxd_;
  MatrixPictureSetup setup_;
  MatrixPicture picture_;
  MatrixOrder ownOrder_ = DefaultGridLayout();
  int orderItem_ = 0;  // the item of cb_sort in force
  std::mt19937 random_{std::random_device{}()};
  ChartView* i_hns = nullptr;
  QTabWidget* pc_hns = nullptr;
  MatrixFilterPages* filters_ = nullptr;
  QButtonGroup* sizes_ = nullptr;
  QButtonGroup* content_ = nullptr;
  QComboBox* cb_selfsize_col = nullptr;
  QComboBox* cb_selfsize_row = nullptr;
  QComboBox* cb_sort = nullptr;
  QComboBox* cb_hns_showqs = nullptr;
  QComboBox* cb_hns_x_count = nullptr;
  QPushButton* b_saverandsx = nullptr;
};

}  // namespace dlt::gui
