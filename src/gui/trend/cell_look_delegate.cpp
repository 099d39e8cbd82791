#include "gui/trend/cell_look_delegate.h"

#include <QPainter>

namespace dlt::gui {

void CellLookDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  const CellLook look = look_(index);
  QColor fill = look.fill;
  if (option.state & QStyle::State_Selected) fill = fill.darker(115);
  painter->save();
  painter->fillRect(option.rect, fill);
  painter->setPen(look.text);
  painter->drawText(option.rect.adjusted(0, 4, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                    index.data().toString());
  if (option.state & QStyle::State_HasFocus) {
    painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
  }
  painter->restore();
}

}  // namespace dlt::gui
