#include "gui/trend/conversion_models.h"

#include <QBrush>
#include <QColor>

#include "chart/tcoordinate.h"
#include "common/numbers.h"
#include "gui/common/grid_look.h"

namespace dlt::gui {
namespace {

using namespace grid_colour;
const QColor& kHeaderFill = kHeader;
const QColor& kLabelText = kBackNumberText;

// Text colours shared by both grids: issue blue, numbers red, the indicator violet.
QVariant ColumnColour(int column) {
  switch (column) {
    case 0:
      return QBrush(Qt::blue);
    case 1:
    case 2:
      return QBrush(Qt::red);
    case 3:
      return QBrush(kLabelText);
    default:
      return QBrush(Qt::black);
  }
}

QString Issue(int32_t qs) {
  return QString::fromStdString(IssueText(qs));
}

}  // namespace

QString FrontText(const Draw& d) {
  QString s;
  for (int n : d.front) s += QString::fromStdString(TwoDigit(n)) + ' ';
  return s;
}

QString BackText(const Draw& d) {
  return QString::fromStdString(TwoDigit(d.back[0])) + ' ' +
         QString::fromStdString(TwoDigit(d.back[1]));
}

// ------------------------------------------------------------ conversions

void ConversionTableModel::SetRows(ConversionRows rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int ConversionTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_.table.Rows();
}

int ConversionTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 4 + kConversionCount;
}

QVariant ConversionTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row(), column = index.column();
  switch (role) {
    case Qt::DisplayRole: {
      const Draw& d = rows_.draws[static_cast<size_t>(row)];
      if (column == 0) return Issue(d.qs);
      if (column == 1) return FrontText(d);
      if (column == 2) return BackText(d);
      if (column - 3 > rows_.table.Conversions()) return {};
      return rows_.table.At(column - 3, row);
    }
    case Qt::TextAlignmentRole:
      return Qt::AlignCenter;
    case Qt::BackgroundRole:
      return column == 0 ? QBrush(kIssueFill) : QBrush(Qt::white);
    case Qt::ForegroundRole:
      return ColumnColour(column);
    default:
      return {};
  }
}

QVariant ConversionTableModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section == 0) return QStringLiteral("期数");
  if (section == 1) return QStringLiteral("开奖号");
  if (section == 2) return QStringLiteral("副号");
  return QString::fromStdString(ChainColumnHeader(section - 3, rows_.label.toStdString()));
}

// ------------------------------------------------------------------ kills

void KillTableModel::SetResult(const ConversionRows& rows, ConversionKills kills) {
  beginResetModel();
  draws_ = rows.draws;
  values_ = rows.table.Rows() > 0 ? rows.table.Column(0) : std::vector<int32_t>{};
  label_ = rows.label;
  kills_ = std::move(kills);
  endResetModel();
}

void KillTableModel::Clear() {
  SetResult({}, {});
}

int KillTableModel::rowCount(const QModelIndex& parent) const {
  // The analysed draws, "预测期" and "正确率".
  return parent.isValid() || draws_.empty() ? 0 : static_cast<int>(draws_.size()) + 2;
}

int KillTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 7;
}

QString KillTableModel::Text(int row, int column) const {
  const int n = static_cast<int>(draws_.size());
  if (row == n) {  // "预测期": the kills after the last analysed draw
    if (column == 0) return QStringLiteral("预测期");
    if (column == 4) return QString::fromStdString(kills_.predictions.back().kills);
    if (column == 6) return QString::fromStdString(kills_.predictions.back().positions);
    return {};
  }
  if (row == n + 1) {
    if (column == 0) return QStringLiteral("正确率");
    if (column == 5) return QString::fromStdString(kills_.RateText());
    return {};
  }
  const Draw& d = draws_[static_cast<size_t>(row)];
  switch (column) {
    case 0:
      return Issue(d.qs);
    case 1:
      return FrontText(d);
    case 2:
      return BackText(d);
    case 3:
      return QString::number(values_[static_cast<size_t>(row)]);
    case 4:
      return row == 0
                 ? QString()
                 : QString::fromStdString(kills_.predictions[static_cast<size_t>(row) - 1].kills);
    case 5:
      return QString::fromStdString(VerdictText(kills_.verdicts[static_cast<size_t>(row)]));
    default:
      return row == 0 ? QString()
                      : QString::fromStdString(
                            kills_.predictions[static_cast<size_t>(row) - 1].positions);
  }
}

QVariant KillTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return Text(index.row(), index.column());
    case Qt::TextAlignmentRole:
      return Qt::AlignCenter;
    case Qt::BackgroundRole:
      return Text(index.row(), 5).contains(QStringLiteral("正确")) ? QBrush(kCorrectFill)
                                                                   : QBrush(Qt::white);
    case Qt::ForegroundRole:
      return ColumnColour(index.column());
    default:
      return {};
  }
}

QVariant KillTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char* const headers[] = {"期数", "开奖号",   "副号",    "",
                                        "杀号", "是否正确", "杀号位置"};
  if (section == 3) return label_;
  return QString::fromUtf8(headers[section]);
}

}  // namespace dlt::gui
