#pragma once

#include <QColor>
#include <QStyledItemDelegate>
#include <functional>

namespace dlt::gui {

// How one cell of an owner-painted grid looks.
struct CellLook {
  QColor fill = Qt::white;
  QColor text = Qt::black;
};

// Paints every cell as its look says: filled, the text centred 4 pixels
// below the top, the current cell dotted.
class CellLookDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using LookOf = std::function<CellLook(const QModelIndex&)>;
  CellLookDelegate(LookOf look, QObject* parent)
      : QStyledItemDelegate(parent), look_(std::move(look)) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  LookOf look_;
};

}  // namespace dlt::gui
