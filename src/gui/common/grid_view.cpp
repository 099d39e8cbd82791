#include "gui/common/grid_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QSaveFile>
#include <QTableView>
#include <set>

#include "gui/app/shell_services.h"

namespace dlt::gui {

namespace {

std::string TextOf(const QVariant& value) {
  return value.toString().toStdString();
}

// The rows and columns shown, or those of the selection.
std::pair<std::vector<int>, std::vector<int>> ShownRowsAndColumns(const QTableView& view,
                                                                  bool selectedOnly) {
  const QAbstractItemModel& model = *view.model();
  std::set<int> rows, columns;
  if (selectedOnly) {
    QModelIndexList picked =
        view.selectionModel() ? view.selectionModel()->selectedIndexes() : QModelIndexList();
    if (picked.isEmpty() && view.currentIndex().isValid()) picked << view.currentIndex();
    for (const QModelIndex& i : picked) {
      rows.insert(i.row());
      columns.insert(i.column());
    }
  } else {
    for (int r = 0; r < model.rowCount(); ++r) rows.insert(r);
    for (int c = 0; c < model.columnCount(); ++c) columns.insert(c);
  }
  std::pair<std::vector<int>, std::vector<int>> shown;
  for (int r : rows)
    if (!view.isRowHidden(r)) shown.first.push_back(r);
  for (int c : columns)
    if (!view.isColumnHidden(c)) shown.second.push_back(c);
  return shown;
}

// Ctrl+C on a grid copies its selection, whatever else the window binds to it.
class CopyKey : public QObject {
 public:
  explicit CopyKey(QTableView* view) : QObject(view), view_(view) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (!key || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
      return QObject::eventFilter(watched, event);
    event->accept();
    if (event->type() == QEvent::KeyPress) CopyGridSelection(*view_);
    return true;
  }

 private:
  QTableView* view_;
};

}  // namespace

int FontRowHeight(const QWidget* view) {
  return view->fontMetrics().height() + 8;
}

void SetUpGridView(QTableView* view, ShellServices& shell, int rowHeight) {
  view->verticalHeader()->hide();
  if (rowHeight > 0) view->verticalHeader()->setDefaultSectionSize(rowHeight);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // A block, so that a copy can take more than one cell; a click still picks one.
  view->setSelectionMode(QAbstractItemView::ContiguousSelection);

  view->installEventFilter(new CopyKey(view));
  auto* copy = new QAction(QStringLiteral("复制\tCtrl+C"), view);
  copy->setObjectName("n_copycells");
  QObject::connect(copy, &QAction::triggered, view, [view] { CopyGridSelection(*view); });
  auto* save = new QAction(QStringLiteral("导出CSV..."), view);
  save->setObjectName("n_exportcsv");
  QObject::connect(save, &QAction::triggered, view, [view, &shell] { ExportGridCsv(view, shell); });
  view->addAction(copy);
  view->addAction(save);
  view->setContextMenuPolicy(Qt::ActionsContextMenu);
}

TextRows GridTexts(const QTableView& view, bool selectedOnly) {
  TextRows texts;
  const QAbstractItemModel* model = view.model();
  if (!model) return texts;
  const auto [rows, columns] = ShownRowsAndColumns(view, selectedOnly);
  if (rows.empty() || columns.empty()) return texts;
  const bool rowHeaders = !view.verticalHeader()->isHidden();
  if (!view.horizontalHeader()->isHidden()) {
    std::vector<std::string>& header = texts.emplace_back();
    if (rowHeaders) header.emplace_back();
    for (int c : columns) header.push_back(TextOf(model->headerData(c, Qt::Horizontal)));
  }
  const QItemSelectionModel* selection = view.selectionModel();
  const bool anySelected = selection && selection->hasSelection();
  for (int r : rows) {
    std::vector<std::string>& line = texts.emplace_back();
    if (rowHeaders) line.push_back(TextOf(model->headerData(r, Qt::Vertical)));
    for (int c : columns) {
      const QModelIndex i = model->index(r, c);
      const bool taken = !selectedOnly || !anySelected || selection->isSelected(i);
      line.push_back(taken ? TextOf(i.data()) : std::string());
    }
  }
  return texts;
}

void CopyGridSelection(const QTableView& view) {
  const TextRows texts = GridTexts(view, true);
  if (texts.empty()) return;
  QApplication::clipboard()->setText(QString::fromStdString(TabSeparatedText(texts)));
}

bool SaveGridCsv(const QTableView& view, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const std::string text = "\xEF\xBB\xBF" + CsvText(GridTexts(view, false));
  file.write(text.data(), static_cast<qint64>(text.size()));
  return file.commit();
}

bool ExportGridCsv(QTableView* view, ShellServices& shell) {
  QString path = shell.SaveFileName(view, QStringLiteral("导出CSV"), QString(),
                                    QStringLiteral("CSV 文件 (*.csv)"));
  if (path.isEmpty()) return false;
  if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) path += QStringLiteral(".csv");
  if (!SaveGridCsv(*view, path)) {
    shell.Inform(view, QStringLiteral("无法写入文件：") + path);
    return false;
  }
  return true;
}

}  // namespace dlt::gui
