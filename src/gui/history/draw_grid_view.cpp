#include "gui/history/draw_grid_view.h"

namespace dlt::gui {

void DrawGridView::PostEdit() {
  if (QWidget* editor = indexWidget(currentIndex()); editor && Editing()) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

void DrawGridView::CancelEdit() {
  if (QWidget* editor = indexWidget(currentIndex()); editor && Editing())
    closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

}  // namespace dlt::gui
