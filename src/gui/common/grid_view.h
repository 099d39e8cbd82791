#pragma once

#include "common/table_text.h"
#include "gui/common/grid_look.h"

class QAction;
class QString;
class QTableView;
class QWidget;

namespace dlt::gui {

class ShellServices;

// The row height of a grid sized to its font.
int FontRowHeight(const QWidget* view);

// The handling every grid of the program shares: no vertical header, rows
// of `rowHeight` pixels (0 keeps the style's), no editing, one cell or row
// block selected at a time. Ctrl+C copies the selected cells and the popup
// menu offers "复制" and "导出CSV..." (the whole grid, UTF-8).
void SetUpGridView(QTableView* view, ShellServices& shell, int rowHeight = 0);

// The texts a grid shows, as shown: the header row first when the grid
// shows one, the row header first on each row when it shows that; hidden
// rows and columns left out. `selectedOnly` keeps the rows and columns of
// the selection (the current cell when nothing is selected), leaving the
// cells between unselected ones empty.
TextRows GridTexts(const QTableView& view, bool selectedOnly);

// Puts the selected cells on the clipboard, tab separated, with headers.
void CopyGridSelection(const QTableView& view);
// Asks for a file and writes the whole grid there as CSV; false when the
// user cancels or the file cannot be written (the user is told).
bool ExportGridCsv(QTableView* view, ShellServices& shell);
// Writes the whole grid as CSV to `path` (UTF-8 with a byte-order mark, so
// that spreadsheets read the Chinese texts); false when it cannot.
bool SaveGridCsv(const QTableView& view, const QString& path);

}  // namespace dlt::gui
