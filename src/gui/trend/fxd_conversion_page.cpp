#include "gui/trend/fxd_conversion_page.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <atomic>

#include "common/gbk_text.h"
#include "gui/analysis/analysis_handoff.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/common/background_runner.h"
#include "gui/common/grid_view.h"
#include "gui/killnum/kill_handoff.h"
#include "gui/trend/conversion_models.h"
#include "gui/trend/text_grid.h"
#include "history/draw_range.h"
#include "history/draw_table.h"
#include "trend/conversion_kills.h"
#include "trend/key_series.h"
#include "trend/omission_grid.h"

namespace dlt::gui {
namespace {

template <class View = QTableView>
View* Grid(QWidget* parent, ShellServices& shell, const char* name, QAbstractItemModel* model) {
  auto* grid = new View(parent);
  grid->setObjectName(name);
  grid->setModel(model);
  SetUpGridView(grid, shell, FontRowHeight(grid));
  // On the view, so that the header of frozen columns looks the same.
  grid->setStyleSheet(GridHeaderStyle());
  return grid;
}

void FillIndicatorBox(QComboBox* box) {
  for (const ConversionIndicator& e : ConversionIndicators())
    box->addItem(QString::fromStdString(ConversionItemText(e)));
}

// The first columns of a conversion grid as wide as their sample texts.
void SetConversionWidths(QTableView* grid) {
  const QFontMetrics fm = grid->fontMetrics();
  grid->setColumnWidth(0, fm.horizontalAdvance(QStringLiteral("2009001")) + 16);
  grid->setColumnWidth(1, fm.horizontalAdvance(QStringLiteral(" 00 01 02 03 04 05 06 ")));
  grid->setColumnWidth(2, fm.horizontalAdvance(QStringLiteral("01 02")) + 16);
  const int conversion = fm.horizontalAdvance(QStringLiteral(" 转换100 "));
  for (int c = 3; c < grid->model()->columnCount(); ++c) grid->setColumnWidth(c, conversion);
}

// Once the view has laid out the new rows and its scroll bars: a horizontal
// scroll bar that appears with the new widths would hide the last row.
void ScrollToBottom(QTableView* grid) {
  grid->scrollToBottom();
  QTimer::singleShot(0, grid, [grid] { grid->scrollToBottom(); });
}

QString WithTxtSuffix(QString path) {
  if (!path.contains(QStringLiteral(".txt"))) path += QStringLiteral(".txt");
  return path;
}

}  // namespace

ConversionPage::ConversionPage(FxdContext& fxd, QWidget* parent) : FxdPage(parent), fxd_(fxd) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  pc_zhb = new QTabWidget(this);
  pc_zhb->setObjectName("pc_zhb");
  QWidget* kill = BuildKillPage();
  kill->setObjectName("TabSheet2");
  QWidget* table = BuildTablePage();
  table->setObjectName("ts_zhb1");
  pc_zhb->addTab(kill, QStringLiteral("转换法杀号"));
  pc_zhb->addTab(table, QStringLiteral("转换表"));
  connect(pc_zhb, &QTabWidget::currentChanged, this, [this] { Fill(); });
  layout->addWidget(pc_zhb);
}

QWidget* ConversionPage::BuildKillPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  hiddenModel_ = new ConversionTableModel(this);
  killModel_ = new KillTableModel(this);
  sg_shaccozhb1 = Grid<FrozenTableView>(page, fxd_.app.shell, "sg_shaccozhb1", killModel_);
  sg_shaccozhb1->ShareWithFrozenPart();
  layout->addWidget(sg_shaccozhb1, 1);
  sg_zhb1sh = Grid(page, fxd_.app.shell, "sg_zhb1sh", hiddenModel_);
  sg_zhb1sh->hide();

  auto* box = new QGroupBox(page);
  auto* rows = new QVBoxLayout(box);
  auto* first = new QHBoxLayout;
  first->addWidget(new QLabel(QStringLiteral("要杀号指标："), box));
  cb_zhb1sh_zb = NamedCombo(box, "cb_zhb1sh_zb");
  FillIndicatorBox(cb_zhb1sh_zb);
  first->addWidget(cb_zhb1sh_zb);
  cb_zhb1sh_param1 = NamedCombo(box, "cb_zhb1sh_param1");
  cb_zhb1sh_param2 = NamedCombo(box, "cb_zhb1sh_param2");
  for (int k = 1; k <= kConversionCount; ++k) {
    cb_zhb1sh_param1->addItem(QString::number(k));
    cb_zhb1sh_param2->addItem(QString::number(k));
  }
  cb_zhb1sh_param2->setCurrentText(QStringLiteral("30"));
  first->addSpacing(12);
  first->addWidget(cb_zhb1sh_param1);
  first->addWidget(new QLabel(QStringLiteral("<=转换表使用范围<="), box));
  first->addWidget(cb_zhb1sh_param2);
  first->addSpacing(12);
  cb_zhb1sh_qsfrom = NamedCombo(box, "cb_zhb1sh_qsfrom");
  cb_zhb1sh_qsto = NamedCombo(box, "cb_zhb1sh_qsto");
  first->addWidget(cb_zhb1sh_qsfrom);
  first->addWidget(new QLabel(QStringLiteral("<=分析期数<="), box));
  first->addWidget(cb_zhb1sh_qsto);
  first->addStretch();
  auto* second = new QHBoxLayout;
  second->addWidget(new QLabel(QStringLiteral("杀号列的宽度："), box));
  cb_zhb1sh_shwidth = NamedCombo(box, "cb_zhb1sh_shwidth");
  for (int w = 500; w <= 1200; w += 100) cb_zhb1sh_shwidth->addItem(QString::number(w));
  second->addWidget(cb_zhb1sh_shwidth);
  Button55 = NamedButton(box, "Button55", QStringLiteral("刷新"));
  second->addWidget(Button55);
  auto* toFilter = NamedButton(box, "b_zhb1sh_tofilter", QStringLiteral("预测转至过滤"));
  toFilter->setToolTip(
      QStringLiteral("预测期的杀号转至超强组号：该指标作为自定义指标条件，只保留未被杀的取值"));
  second->addWidget(toFilter);
  pb_zhb1sh = new QProgressBar(box);
  pb_zhb1sh->setObjectName("pb_zhb1sh");
  pb_zhb1sh->setRange(0, 1);
  pb_zhb1sh->setValue(0);
  second->addWidget(pb_zhb1sh, 1);
  rows->addLayout(first);
  rows->addLayout(second);
  layout->addWidget(box);

  connect(Button55, &QPushButton::clicked, this, &ConversionPage::ComputeKills);
  connect(toFilter, &QPushButton::clicked, this, &ConversionPage::SendKillsToFilter);
  connect(cb_zhb1sh_zb, &QComboBox::currentIndexChanged, this, &ConversionPage::BuildHiddenTable);
  connect(cb_zhb1sh_shwidth, &QComboBox::currentIndexChanged, this,
          &ConversionPage::SetKillColumnWidths);
  return page;
}

QWidget* ConversionPage::BuildTablePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  tableModel_ = new ConversionTableModel(this);
  sg_zhb1 = Grid(page, fxd_.app.shell, "sg_zhb1", tableModel_);
  layout->addWidget(sg_zhb1, 1);

  auto* box = new QGroupBox(page);
  auto* rows = new QVBoxLayout(box);
  auto* first = new QHBoxLayout;
  first->addWidget(new QLabel(QStringLiteral("被转换指标："), box));
  cb_zhb1_zb = NamedCombo(box, "cb_zhb1_zb");
  FillIndicatorBox(cb_zhb1_zb);
  first->addWidget(cb_zhb1_zb);
  auto* refresh = NamedButton(box, "b_zhb1_refresh", QStringLiteral("刷新"));
  first->addWidget(refresh);
  first->addSpacing(12);
  first->addWidget(new QLabel(QStringLiteral("要分析的列："), box));
  cb_zhb1_dc = NamedCombo(box, "cb_zhb1_dc");
  cb_zhb1_dc->addItem(QStringLiteral("指标值"));
  for (int k = 1; k <= kConversionCount; ++k) cb_zhb1_dc->addItem(QStringLiteral("转换%1").arg(k));
  first->addWidget(cb_zhb1_dc);
  auto* exportColumn = NamedButton(box, "b_zhb1_dc", QStringLiteral("导出指定列"));
  auto* analyse = NamedButton(box, "b_zhb1_zbpx", QStringLiteral("指标剖析"));
  first->addWidget(exportColumn);
  first->addWidget(analyse);
  first->addStretch();
  auto* second = new QHBoxLayout;
  second->addWidget(new QLabel(QStringLiteral("此列的预测期取值："), box));
  e_zhb1_ycqqz = new QLineEdit(box);
  e_zhb1_ycqqz->setObjectName("e_zhb1_ycqqz");
  second->addWidget(e_zhb1_ycqqz);
  auto* calculate = NamedButton(box, "b_zhb1_js", QStringLiteral("计算对应值"));
  second->addWidget(calculate);
  second->addWidget(new QLabel(QStringLiteral("对应指标值："), box));
  e_zhb1_zbqz = new QLineEdit(box);
  e_zhb1_zbqz->setObjectName("e_zhb1_zbqz");
  second->addWidget(e_zhb1_zbqz);
  second->addWidget(new QLabel(QStringLiteral("（如有多个取值，中间加上空格，比如：0 1 2）"), box));
  second->addStretch();
  rows->addLayout(first);
  rows->addLayout(second);
  layout->addWidget(box);

  connect(refresh, &QPushButton::clicked, this, &ConversionPage::BuildTable);
  connect(cb_zhb1_zb, &QComboBox::currentIndexChanged, this, &ConversionPage::BuildTable);
  connect(exportColumn, &QPushButton::clicked, this, &ConversionPage::ExportColumn);
  connect(analyse, &QPushButton::clicked, this, &ConversionPage::AnalyseColumn);
  connect(calculate, &QPushButton::clicked, this, &ConversionPage::CalculateLeadingValues);
  connect(sg_zhb1, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.column() < 3) return;
    cb_zhb1_dc->setCurrentIndex(index.column() - 3);
    AnalyseColumn();
  });
  return page;
}

void ConversionPage::Fill() {
  if (pc_zhb->currentWidget()->objectName() == QStringLiteral("ts_zhb1")) BuildTable();
}

void ConversionPage::FillIssueLists() {
  const DrawTable& table = fxd_.Table();
  QStringList issues;
  for (const Draw& d : table.Draws()) issues << QString::number(d.qs);
  for (QComboBox* box : {cb_zhb1sh_qsfrom, cb_zhb1sh_qsto}) {
    const QSignalBlocker block(box);
    box->clear();
    box->addItems(issues);
  }
  cb_zhb1sh_qsfrom->setCurrentIndex(
      issues.isEmpty() ? -1 : DefaultGridStart(static_cast<int>(issues.size())));
  cb_zhb1sh_qsto->setCurrentIndex(static_cast<int>(issues.size()) - 1);
}

ConversionRows ConversionPage::RowsFor(int entry, int first, int count) const {
  const ConversionIndicator& indicator =
      ConversionIndicators()[static_cast<size_t>(std::max(entry, 0))];
  const auto& draws = fxd_.Table().Draws();
  ConversionRows rows;
  rows.label = QString::fromUtf8(indicator.label);
  auto values = KeySeries(draws, fxd_.app.env, indicator.key, first, count);
  if (values) {
    rows.draws.assign(draws.begin() + first, draws.begin() + first + values->size());
    rows.table = ConversionTable::Build(std::move(*values));
  }
  return rows;
}

std::pair<int, int> ConversionPage::KillRange() const {
  const DrawTable& table = fxd_.Table();
  const int first = table.IndexOf(cb_zhb1sh_qsfrom->currentText().toInt());
  if (first < 0) return {0, 0};
  // As many draws as the two boxes span, or to the end of the history.
  const int count = cb_zhb1sh_qsto->currentIndex() - cb_zhb1sh_qsfrom->currentIndex() + 1;
  return {first, std::clamp(count, 0, table.RecordCount() - first)};
}

void ConversionPage::BuildHiddenTable() {
  const auto [first, count] = KillRange();
  hiddenModel_->SetRows(RowsFor(cb_zhb1sh_zb->currentIndex(), first, count));
}

void ConversionPage::ComputeKills() {
  const auto [first, count] = KillRange();
  const int entry = cb_zhb1sh_zb->currentIndex();
  const int from = cb_zhb1sh_param1->currentText().toInt();
  const int to = cb_zhb1sh_param2->currentText().toInt();
  const std::vector<Draw> draws = fxd_.Table().Draws();
  const EvalEnv env = fxd_.app.env;
  const ConversionIndicator indicator = ConversionIndicators()[static_cast<size_t>(entry)];

  // The table and its kills are computed off the interface thread from
  // copies; the page shows the progress, one step per draw.
  ConversionRows rows;
  rows.label = QString::fromUtf8(indicator.label);
  rows.draws.assign(draws.begin() + first, draws.begin() + first + count);
  ConversionKills kills;
  std::atomic<int> done{0};
  pb_zhb1sh->setRange(0, std::max(count - 1, 1));
  pb_zhb1sh->setValue(0);
  Button55->setEnabled(false);
  BackgroundRunner runner(this);
  runner.RunAndWait(
      [&](TaskControl&) {
        auto values = KeySeries(draws, env, indicator.key, first, count);
        rows.table = ConversionTable::Build(values ? std::move(*values) : std::vector<int32_t>{});
        kills = dlt::ComputeKills(rows.table, from, to,
                                  [&done](int d) { done.store(d, std::memory_order_relaxed); });
      },
      [&](const TaskControl&) { pb_zhb1sh->setValue(std::max(done.load() - 1, 0)); });
  Button55->setEnabled(true);

  hiddenModel_->SetRows(rows);
  killTransfer_.reset();
  if (rows.table.Rows() == 0) {
    killModel_->Clear();
  } else {
    killTransfer_ = ConversionKillTransfer(rows.table, kills, indicator.key);
    killModel_->SetResult(rows, std::move(kills));
  }
  SetKillColumnWidths();
  if (killModel_->rowCount() > 0) {
    sg_shaccozhb1->setCurrentIndex(killModel_->index(killModel_->rowCount() - 1, 2));
    ScrollToBottom(sg_shaccozhb1);
  }
  sg_shaccozhb1->setFocus();
  emit killsComputed();
}

void ConversionPage::SetKillColumnWidths() {
  SetConversionWidths(sg_shaccozhb1);
  const int width = cb_zhb1sh_shwidth->currentText().toInt();
  sg_shaccozhb1->setColumnWidth(
      3, sg_shaccozhb1->fontMetrics().horizontalAdvance(
             killModel_->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString()) +
             16);
  sg_shaccozhb1->setColumnWidth(4, width);
  sg_shaccozhb1->setColumnWidth(
      5, sg_shaccozhb1->fontMetrics().horizontalAdvance(QStringLiteral("是否正确")) + 16);
  sg_shaccozhb1->setColumnWidth(6, width);
  // The issue and the numbers stay in view beside the wide kill columns.
  sg_shaccozhb1->SetFrozenColumns(2);
}

void ConversionPage::BuildTable() {
  tableModel_->SetRows(RowsFor(cb_zhb1_zb->currentIndex(), 0, fxd_.Table().RecordCount()));
  SetConversionWidths(sg_zhb1);
  if (tableModel_->rowCount() > 0) {
    sg_zhb1->setCurrentIndex(tableModel_->index(tableModel_->rowCount() - 1, 1));
    ScrollToBottom(sg_zhb1);
  }
}

void ConversionPage::ExportColumn() {
  const ConversionRows& rows = tableModel_->Rows();
  ShellServices& shell = fxd_.app.shell;
  const QString chosen = shell.SaveFileName(this, QStringLiteral("导出转换结果"),
                                            QString::fromStdString(fxd_.app.folder.Root()),
                                            QStringLiteral("转换结果(*.txt)"));
  if (chosen.isEmpty()) return;
  const QString path = WithTxtSuffix(chosen);
  std::vector<int32_t> issues;
  for (const Draw& d : rows.draws) issues.push_back(d.qs);
  std::string error;
  if (!WriteGbkLines(path.toStdString(),
                     ExportedColumnLines(rows.table, issues, rows.label.toStdString(),
                                         cb_zhb1_dc->currentIndex()),
                     &error))
    shell.Inform(this,
                 QStringLiteral("无法写入文件：") + path + "\n" + QString::fromStdString(error));
}

void ConversionPage::AnalyseColumn() {
  const ConversionRows& rows = tableModel_->Rows();
  AnalysisSeries series;
  if (rows.table.Rows() > 0) series.values = rows.table.Column(cb_zhb1_dc->currentIndex());
  TakeRangeOfValues(series);
  series.caption = cb_zhb1_dc->currentText();
  OpenIndicatorAnalysis(fxd_.app, this, series);
}

void ConversionPage::SendKillsToFilter() {
  if (!killTransfer_) {
    fxd_.app.shell.Inform(this, QStringLiteral("请先按“刷新”算出杀号"));
    return;
  }
  SendKillsToGenerator(fxd_.app, this, *killTransfer_);
}

void ConversionPage::CalculateLeadingValues() {
  std::string error;
  const auto text = LeadingValuesText(tableModel_->Rows().table, cb_zhb1_dc->currentIndex(),
                                      e_zhb1_ycqqz->text().trimmed().toStdString(), &error);
  if (!text) {
    fxd_.app.shell.Inform(this, QString::fromStdString(error));
    return;
  }
  e_zhb1_zbqz->setText(QString::fromStdString(*text));
}

}  // namespace dlt::gui
