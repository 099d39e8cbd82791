#pragma once

#include <QTableView>

namespace dlt::gui {

// The draw grid: a table view whose open editor the navigator can post or
// cancel.
class DrawGridView : public QTableView {
  Q_OBJECT
 public:
  using QTableView::QTableView;

  bool Editing() const { return state() == QAbstractItemView::EditingState; }
  // Writes the open editor's value to the model and closes it.
  void PostEdit();
  // Closes the open editor without writing.
  void CancelEdit();
};

}  // namespace dlt::gui
