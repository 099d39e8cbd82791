#include "gui/trend/fxd_data_tables_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "common/numbers.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/common/grid_view.h"
#include "gui/trend/data_table_model.h"
#include "gui/trend/text_grid.h"

namespace dlt::gui {
namespace {

// Column widths by sample texts: {first column, last column, sample}.
struct WidthRule {
  int first, last;
  const char* sample;
};

const std::vector<WidthRule>& RulesOf(int tableNo) {
  static const std::vector<WidthRule> one = {{13, 19, "01 02 03 04 05"},
                                             {20, 20, "01,11 | 02,22 | 03,33"},
                                             {21, 21, "01,02,03,04,05,06"},
                                             {22, 28, "最大邻位间距"}};
  static const std::vector<WidthRule> two = {
      {8, 10, "3:2:0:0:0"}, {11, 11, " 0 0 0 0 0 0 0 0 0 0 0 "}, {12, 14, "除三余数比"}};
  static const std::vector<WidthRule> three = {{1, 1, "主区冷温热比"},
                                               {2, 4, "主区本期开奖冷号"},
                                               {6, 6, "主区冷温热比"},
                                               {7, 9, "主区本期开奖冷号"}};
  return tableNo == 1 ? one : tableNo == 2 ? two : three;
}

// "冷号：01,02,...,N, 温号： 热号：", the longest text of the "下期冷温热号" columns.
QString WidestClassesText(int numbers) {
  QString text = QStringLiteral("冷号：");
  for (int n = 1; n <= numbers; ++n) text += QString::fromStdString(TwoDigit(n)) + ',';
  return text + QStringLiteral(" 温号： 热号：");
}

}  // namespace

int DataTablesPage::FixedColumns(int tableNo) {
  return tableNo == 1 ? 8 : 1;
}

DataTablesPage::DataTablesPage(FxdContext& fxd, QWidget* parent) : FxdPage(parent), fxd_(fxd) {
  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  pages_->setObjectName("pc_sjb");
  const char* sheets[] = {"ts_sjb1", "ts_sjb2", "ts_sjb3"};
  const char* grids[] = {"sg_cgsjb", "sg_cgsjb2", "sg_cgsjb3"};
  for (int t = 0; t < 3; ++t) {
    auto* sheet = new QWidget(pages_);
    sheet->setObjectName(sheets[t]);
    auto* sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    models_[t] = new DataTableModel(fxd_.Table(), fxd_.app.env, t + 1, this);
    grids_[t] = new FrozenTableView(sheet);
    grids_[t]->setObjectName(grids[t]);
    grids_[t]->setModel(models_[t]);
    grids_[t]->setItemDelegate(new DataTableDelegate(grids_[t]));
    SetUpGridView(grids_[t], fxd_.app.shell, FontRowHeight(grids_[t]));
    // On the view, so that the header of its frozen columns looks the same.
    grids_[t]->setStyleSheet(GridHeaderStyle());
    grids_[t]->ShareWithFrozenPart();
    sheetLayout->addWidget(grids_[t]);
    pages_->addTab(sheet, QStringLiteral("数据表%1").arg(t + 1));
  }
  connect(pages_, &QTabWidget::currentChanged, this, [this](int i) { FillTable(i + 1); });
  layout->addWidget(pages_, 1);
  auto* row = new QHBoxLayout;
  auto* refresh = NamedButton(this, "Button1", QStringLiteral("刷新"));
  connect(refresh, &QPushButton::clicked, this, &DataTablesPage::Fill);
  row->addStretch();
  row->addWidget(refresh);
  layout->addLayout(row);
}

void DataTablesPage::Fill() {
  FillTable(pages_->currentIndex() + 1);
}

void DataTablesPage::FillTable(int tableNo) {
  DataTableModel* model = models_[tableNo - 1];
  FrozenTableView* grid = grids_[tableNo - 1];
  model->Reload();
  const QFontMetrics fm = grid->fontMetrics();
  for (int c = 0; c < model->columnCount(); ++c)
    grid->setColumnWidth(
        c, fm.horizontalAdvance(model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()) +
               16);
  grid->setColumnWidth(0, fm.horizontalAdvance(QStringLiteral("2009001")) + 16);
  for (const WidthRule& rule : RulesOf(tableNo))
    for (int c = rule.first; c <= rule.last; ++c)
      grid->setColumnWidth(c, fm.horizontalAdvance(QString::fromUtf8(rule.sample)) + 12);
  if (tableNo == 3) {
    // Every number of the zone stands in one of the three lists: the widest
    // text is all of them, measured as written (digits need not be alike).
    grid->setColumnWidth(5, fm.horizontalAdvance(WidestClassesText(kFrontMax)) + 12);
    grid->setColumnWidth(10, fm.horizontalAdvance(WidestClassesText(kBackMax)) + 12);
  }
  // The issue and the numbers stay in view while the other columns scroll;
  // the last row selected and the first column after the fixed ones current.
  const int firstFree = FixedColumns(tableNo);
  grid->SetFrozenColumns(firstFree);
  if (model->rowCount() > 0) {
    grid->setCurrentIndex(model->index(model->rowCount() - 1, firstFree));
    grid->scrollToBottom();
  }
}

}  // namespace dlt::gui
