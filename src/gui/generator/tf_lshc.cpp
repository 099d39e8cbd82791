#include "gui/generator/tf_lshc.h"

#include <QCheckBox>
#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include "common/chance_figures.h"
#include "common/numbers.h"
#include "generator/condition_report.h"
#include "generator/filter_run.h"
#include "gui/app/app_context.h"
#include "gui/app/long_task.h"
#include "gui/app/shell_services.h"
#include "gui/app/tf_showpic.h"
#include "gui/app/utf8_text.h"
#include "gui/app/window_set.h"
#include "gui/common/grid_view.h"
#include "gui/generator/zh_tools.h"
#include "history/draw_range.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

constexpr const char* kBacktestNotice = "正在回测，请稍候.";
constexpr const char* kBacktestCancelled = "回测已取消，表格保持不变";

QString NumbersText(const Combo& c) {
  QStringList parts;
  for (uint8_t n : c) parts << Q(TwoDigit(n));
  return parts.join(QLatin1Char(' '));
}

QString BrokenText(const BacktestRow& row) {
  QStringList parts;
  for (const BrokenCondition& b : row.broken) parts << Q(BrokenConditionCaption(b));
  return parts.join(QStringLiteral("，"));
}

}  // namespace

void BacktestModel::Assign(BacktestResult result) {
  beginResetModel();
  result_ = std::move(result);
  endResetModel();
}

int BacktestModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(result_.rows.size());
}

int BacktestModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : result_.withShares ? 5 : 4;
}

QVariant BacktestModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const BacktestRow& row = result_.rows[static_cast<size_t>(index.row())];
  if (role == Qt::BackgroundRole && !row.kept) return QColor(255, 220, 220);
  // With the shares a column of them comes before the broken conditions.
  const int column =
      !result_.withShares && index.column() >= 3 ? index.column() + 1 : index.column();
  if (role == Qt::TextAlignmentRole && column < 4) return int(Qt::AlignCenter);
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  switch (column) {
    case 0:
      return QString::number(row.qs);
    case 1:
      return NumbersText(row.front);
    case 2:
      return row.kept ? QStringLiteral("保留") : QStringLiteral("淘汰");
    case 3:
      return Q(ProbabilityText(row.share));
    default:
      return BrokenText(row);
  }
}

QVariant BacktestModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  static const char* const kTitles[] = {"期号", "主号", "结果", "保留机会", "违反的条件"};
  const int column = !result_.withShares && section >= 3 ? section + 1 : section;
  return column >= 0 && column < 5 ? QString::fromUtf8(kTitles[column]) : QVariant();
}

Tf_lshc::Tf_lshc(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_lshc");
  setWindowTitle(QStringLiteral("历史回测"));
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(QStringLiteral("回测最近"), this));
  e_count = new QSpinBox(this);
  e_count->setObjectName("e_count");
  e_count->setRange(1, 9999);  // more than the history holds: all of it
  e_count->setValue(kDefaultNearCount);
  top->addWidget(e_count);
  top->addWidget(new QLabel(QStringLiteral("期"), this));
  b_start = new QPushButton(QStringLiteral("开始回测"), this);
  b_start->setObjectName("b_start");
  top->addWidget(b_start);
  cb_expected = new QCheckBox(QStringLiteral("计算期望"), this);
  cb_expected->setObjectName("cb_expected");
  cb_expected->setToolTip(
      QStringLiteral("每期另算一遍全部组合：条件保留了多少（一期随机开奖通过条件的机会），"
                     "合计为纯属偶然应保留的期数。较慢"));
  top->addWidget(cb_expected);
  top->addSpacing(16);
  l_share = new QLabel(this);
  l_share->setObjectName("l_share");
  QFont bold = l_share->font();
  bold.setBold(true);
  l_share->setFont(bold);
  top->addWidget(l_share);
  top->addStretch(1);
  layout->addLayout(top);

  model_ = new BacktestModel(this);
  sg_backtest = new QTableView(this);
  sg_backtest->setObjectName("sg_backtest");
  sg_backtest->setModel(model_);
  SetUpGridView(sg_backtest, app_.shell, 22);
  // The rows are numbered.
  sg_backtest->verticalHeader()->show();
  sg_backtest->setSelectionBehavior(QAbstractItemView::SelectRows);
  sg_backtest->horizontalHeader()->setStretchLastSection(true);
  sg_backtest->setColumnWidth(0, 90);
  sg_backtest->setColumnWidth(1, 130);
  sg_backtest->setColumnWidth(2, 60);
  layout->addWidget(sg_backtest, 1);
  auto* hint = new QLabel(QStringLiteral("双击一行：查看该期的条件对错"), this);
  layout->addWidget(hint);
  resize(760, 560);
  ShowShare();

  connect(b_start, &QPushButton::clicked, this, &Tf_lshc::Run);
  connect(sg_backtest, &QTableView::doubleClicked, this, &Tf_lshc::OpenCheckReport);
}

void Tf_lshc::Open(std::function<ConditionSet()> source) {
  source_ = std::move(source);
  show();
  raise();
  activateWindow();
  Run();
}

void Tf_lshc::Run() {
  if (!source_) return;
  ConditionSet set = source_();
  const std::string refused = RangeGuardMessage(set);
  if (!refused.empty()) {
    app_.shell.Inform(this, Q(refused));
    return;
  }
  const DrawTable& table = app_.Table();
  if (table.LastRealIndex() < 0) {
    app_.shell.Inform(this, QStringLiteral("历史数据为空"));
    return;
  }
  const DrawRange range = NearRange(table.LastRealIndex() + 1, e_count->value());
  const bool shares = cb_expected->isChecked();
  BacktestResult result;
  Tf_showpic* box = app_.windows ? app_.windows->Get<Tf_showpic>() : nullptr;
  if (box) {
    const TaskOutcome task =
        RunLongTask(*box, QString::fromUtf8(kBacktestNotice), true, [&](TaskControl& control) {
          // Progress in thousandths: counted in combinations, the total
          // can pass what an int holds.
          result = RunBacktest(
              table, set, app_.env, range,
              [&control](int64_t done, int64_t total) {
                control.SetTotal(1000);
                control.SetDone(total > 0 ? static_cast<int>(done * 1000 / total) : 0);
                return !control.Cancelled();
              },
              shares);
        });
    if (!task.error.isEmpty()) {
      app_.shell.Inform(this, task.error);
      return;
    }
    if (task.cancelled) result.cancelled = true;
  } else {
    result = RunBacktest(table, set, app_.env, range, {}, shares);
  }
  if (result.cancelled) {
    app_.shell.Inform(this, QString::fromUtf8(kBacktestCancelled));
    return;
  }
  set_ = std::move(set);
  model_->Assign(std::move(result));
  ShowShare();
  if (model_->rowCount() > 0) sg_backtest->scrollToBottom();
}

void Tf_lshc::ShowShare() {
  const BacktestResult& r = model_->Result();
  const int n = static_cast<int>(r.rows.size());
  if (n == 0) {
    l_share->setText(QStringLiteral("保留 0/0 期"));
    return;
  }
  const double percent = 100.0 * r.kept / n;
  QString text = QStringLiteral("保留 %1/%2 期 (%3%)").arg(r.kept).arg(n).arg(percent, 0, 'f', 1);
  if (r.withShares)
    text += QStringLiteral("   纯属偶然应保留 %1 期，偶然保留这么多或更多的机会 %2")
                .arg(Q(ExpectedText(r.expectedKept)), Q(ProbabilityText(r.chanceOfAsMany)));
  l_share->setText(text);
}

void Tf_lshc::OpenCheckReport(const QModelIndex& index) {
  if (!index.isValid()) return;
  const BacktestRow& row = model_->Result().rows[static_cast<size_t>(index.row())];
  ShowConditionCheckReport(app_, set_, row.qs, CheckMode::kAll, this);
}

}  // namespace dlt::gui
