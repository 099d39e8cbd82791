#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>

#include "analysis/omission_distribution.h"

namespace dlt::gui {

class SpritePainter;

// How the omission-distribution table paints: the display mode ("球+数字",
// "球", "方块+数字", "方块"), the type filter of the highlighted columns, the
// zone count and the polyline through the hits.
struct OmissionTableLook {
  int displayMode = 0;
  int typeFilter = 0;
  int zones = 3;
  bool polyline = false;
};

// The table as a model: the draw rows (期号, 开奖号, 指标值, one column per
// value) and the six summary rows below them.
class OmissionTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kFixedColumns = 3;

  using QAbstractTableModel::QAbstractTableModel;
  void SetTable(OmissionDistribution table);
  const OmissionDistribution& Table() const { return table_; }
  int DrawRows() const { return static_cast<int>(table_.rows.size()); }
  // 0..5 for the summary rows, -1 for a draw row.
  int SummaryRow(int row) const;
  // 0-based value column of a view column, -1 for the fixed ones.
  int ValueColumn(int column) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  OmissionDistribution table_;
};

class OmissionTableDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  OmissionTableDelegate(const OmissionTableModel& model, const SpritePainter& sprites,
                        const OmissionTableLook& look, QObject* parent)
      : QStyledItemDelegate(parent), model_(model), sprites_(sprites), look_(look) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  const OmissionTableModel& model_;
  const SpritePainter& sprites_;
  const OmissionTableLook& look_;
};

// The grid sg_ylfbd: draws the polyline through the hits of consecutive
// rows over the cells when the look asks for it.
class OmissionTableView : public QTableView {
  Q_OBJECT
 public:
  OmissionTableView(const OmissionTableModel& model, const OmissionTableLook& look, QWidget* parent)
      : QTableView(parent), model_(model), look_(look) {}

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  const OmissionTableModel& model_;
  const OmissionTableLook& look_;
};

}  // namespace dlt::gui
