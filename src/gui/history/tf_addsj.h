#pragma once

#include <QDialog>
#include <QLabel>
#include <array>

#include "history/manual_entry.h"

class QLineEdit;
class QPushButton;

namespace dlt::gui {

struct AppContext;

// One number cell of the board: takes the hover colour while the mouse is
// over it (when it is not selected) and reports clicks.
class BoardCell : public QLabel {
  Q_OBJECT
 public:
  BoardCell(int number, QWidget* parent);
  int Number() const { return number_; }
  void SetColour(const QColor& c);
  QColor Colour() const { return colour_; }

 signals:
  void clicked(int number);
  void hovered(int number, bool inside);

 protected:
  void mousePressEvent(QMouseEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;

 private:
  int number_;
  QColor colour_;
};

// The graphical entry of a draw: a board of the numbers 01..40 and the
// seven result cells filled front numbers first, then back numbers.
class Tf_addsj : public QDialog {
  Q_OBJECT
 public:
  enum class Mode { AddOnly, AddOrReplace };

  static inline const QColor kNormal{53, 191, 202};
  static inline const QColor kSelected{227, 28, 199};
  static inline const QColor kHover{2, 253, 108};
  static inline const QColor kFrontResult{255, 219, 247};
  static inline const QColor kBackResult{231, 239, 255};

  explicit Tf_addsj(AppContext& app, QWidget* parent = nullptr);

  // The caller sets the mode and the draw number before showing it; the
  // forecast entry presets the number and hides it.
  void SetMode(Mode mode) { mode_ = mode; }
  Mode CurrentMode() const { return mode_; }
  void SetDrawNumber(const QString& qs, bool hidden = false);
  void Reset();

  const DrawEntryBoard& Board() const { return board_; }
  BoardCell* Cell(int number) const { return cells_.at(number - 1); }
  QLabel* ResultCell(int slot) const { return results_.at(slot - 1); }
  // The draw added or replaced by the last "添加".
  std::optional<Draw> Stored() const { return stored_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void CellClicked(int number);
  void CellHovered(int number, bool inside);
  void Repaint();
  void Add();

  AppContext& app_;
  Mode mode_ = Mode::AddOnly;
  DrawEntryBoard board_;
  std::array<BoardCell*, DrawEntryBoard::kCells> cells_{};
  std::array<QLabel*, DrawEntryBoard::kSlots> results_{};
  QLineEdit* e_qs;
  QLabel* qsLabel_;
  std::optional<Draw> stored_;
};

}  // namespace dlt::gui
