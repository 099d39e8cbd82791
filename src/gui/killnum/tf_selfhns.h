#pragma once

#include <QDialog>
#include <QLabel>
#include <vector>

#include "trend/matrix_layout.h"

class QComboBox;
class QWidget;

namespace dlt::gui {

struct AppContext;

// One square of the layout design: a palette number or a grid cell. It
// says when it is clicked and when the mouse enters or leaves it.
class DesignSquare : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 signals:
  void clicked();
  void hovered(bool inside);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;
};

// "设计行列式": the numbers 1..40 placed one by one into a grid of 35 or 36
// cells; the order is saved as a layout file, set as one of the three
// custom orders, or applied ("应用" writes temppadnote.hls and closes with
// OK; the caller reads it).
class Tf_selfhns : public QDialog {
  Q_OBJECT
 public:
  // The layout just applied, in the data folder.
  static constexpr const char* kAppliedFile = "temppadnote.hls";

  explicit Tf_selfhns(AppContext& app, QWidget* parent = nullptr);

  const LayoutDesign& Design() const { return design_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void Reset();
  void Place(int number);
  void Undo();
  void Paint();
  // Writes the layout when the grid is complete; `incomplete` otherwise.
  bool WriteComplete(const QString& path, const QString& incomplete);
  void Save();
  void Apply();
  void SetCustom(int which);

  AppContext& app_;
  LayoutDesign design_;
  QComboBox* ComboBox1 = nullptr;
  QWidget* gridPanel_ = nullptr;
  std::vector<DesignSquare*> palette_;  // numbers 1..40
  std::vector<DesignSquare*> cells_;    // 36 cells; those past the type hidden
  int hovered_ = 0;                     // the palette number under the mouse
};

}  // namespace dlt::gui
