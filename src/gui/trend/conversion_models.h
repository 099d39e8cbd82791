#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <vector>

#include "common/draw.h"
#include "trend/conversion_kills.h"

namespace dlt::gui {

// The rows of a conversion grid: the draws it covers and the indicator's label.
struct ConversionRows {
  std::vector<Draw> draws;  // one per table row
  QString label;
  ConversionTable table;
};

// sg_zhb1 (and the hidden sg_zhb1sh): "期数", "开奖号", "副号", the
// indicator's label and "转换1" .. "转换200", one row per draw. Cells are
// formatted when the view asks for them, so 2,911 × 204 cells cost nothing.
class ConversionTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetRows(ConversionRows rows);
  const ConversionRows& Rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  ConversionRows rows_;
};

// sg_shaccozhb1: the analysed draws with the kills made after the draw
// before each, the verdict and the positions; then "预测期" and "正确率".
// Rows of a correct verdict are green.
class KillTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetResult(const ConversionRows& rows, ConversionKills kills);
  void Clear();
  const ConversionKills& Kills() const { return kills_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QString Text(int row, int column) const;

  std::vector<Draw> draws_;
  std::vector<int32_t> values_;
  QString label_;
  ConversionKills kills_;
};

// "01 02 03 04 05 " and "06 11": the numbers of a draw as the grids show them.
QString FrontText(const Draw& d);
QString BackText(const Draw& d);

}  // namespace dlt::gui
