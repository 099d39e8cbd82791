#pragma once

#include <QStyledItemDelegate>
#include <vector>

#include "trend/legends.h"

namespace dlt::gui {

struct FxdContext;
class OmissionGridModel;

// How an omission grid page paints: which grid, its type filter and whether
// the front grid shows the back numbers ("副号").
enum class GridPageKind { Front, Back, Tail };
struct GridLook {
  GridPageKind kind = GridPageKind::Front;
  int typeFilter = 0;
  bool backNumbers = false;
};

// The owner painting of the omission grids: statistic rows in alternating
// green and pink, issues in blue, draw texts in green, value cells on the
// background of their partition or order group with hit markers (sprites;
// the back grid a red disc) or omission counts, and the selection row's
// marks.
// The legend of the value cells' shading, in the delegate's own fills.
std::vector<LegendEntry> ShadingLegend(bool typeGroups);

class OmissionGridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  OmissionGridDelegate(const OmissionGridModel& model, const FxdContext& fxd, const GridLook& look,
                       QObject* parent = nullptr)
      : QStyledItemDelegate(parent), model_(model), fxd_(fxd), look_(look) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  void PaintMarker(QPainter& p, const QRect& cell, int colour) const;
  void PaintSelectionCell(QPainter& p, const QRect& cell, int value) const;

  const OmissionGridModel& model_;
  const FxdContext& fxd_;
  const GridLook& look_;
};

}  // namespace dlt::gui
