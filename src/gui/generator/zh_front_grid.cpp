#include "gui/generator/zh_front_grid.h"

#include <QBrush>
#include <QColor>
#include <QDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "generator/forecast_writes.h"
#include "generator/result_files.h"
#include "generator/result_list.h"
#include "gui/analysis/tf_zbpxz.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/tdm.h"
#include "gui/app/text_file_viewer.h"
#include "gui/app/window_set.h"
#include "gui/generator/zh_front_dialogs.h"
#include "gui/generator/zh_list_files.h"
#include "gui/generator/zh_session.h"
#include "gui/generator/zh_status_line.h"
#include "gui/history/draw_table_model.h"
#include "gui/history/tf_addsj.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

const QColor kHeaderBack(255, 203, 179);
const QColor kLabelBack(251, 232, 210);
const QColor kCellBack(206, 255, 255);

// The five front texts of the combination dialog's seven edits.
std::array<std::string, 5> FrontTexts(const std::array<std::string, 7>& typed) {
  return {typed[0], typed[1], typed[2], typed[3], typed[4]};
}

}  // namespace

int ZhFrontGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : list_.RowsOnPage();
}

int ZhFrontGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 6;
}

QVariant ZhFrontGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row() + 1;
  switch (role) {
    case Qt::DisplayRole: {
      const std::vector<std::string> texts = list_.RowTexts(row);
      if (index.column() >= static_cast<int>(texts.size())) return {};
      return QString::fromStdString(texts[static_cast<size_t>(index.column())]);
    }
    case Qt::TextAlignmentRole:
      return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
      return QBrush(index.column() == 0 ? kLabelBack : kCellBack);
    case Qt::ForegroundRole: {
      if (index.column() != 0) return QBrush(Qt::black);
      const int n = list_.RecordNumberOfRow(row);
      // A record that passed only by tolerance stands out from the clean ones.
      if (n > 0 && list_.At(n).mark != 0) return QBrush(Qt::red);
      return QBrush(Qt::blue);
    }
    case Qt::ToolTipRole: {
      const int n = list_.RecordNumberOfRow(row);
      if (n > 0 && list_.At(n).mark != 0) return QStringLiteral("容错通过");
      return {};
    }
    default:
      return {};
  }
}

QVariant ZhFrontGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= 6) return {};
  if (role == Qt::DisplayRole)
    return QString::fromStdString(ResultList::Header()[static_cast<size_t>(section)]);
  if (role == Qt::BackgroundRole) return QBrush(kHeaderBack);
  if (role == Qt::ForegroundRole) return QBrush(Qt::black);
  return {};
}

ZhFrontGrid::ZhFrontGrid(AppContext& app, ZhSession& session, ZhFrontDialogs& dialogs,
                         QWidget* parent)
    : QWidget(parent), app_(app), session_(session), dialogs_(dialogs) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  model_ = new ZhFrontGridModel(session_.front, this);
  sg_zqresult = new QTableView(this);
  sg_zqresult->setObjectName("sg_zqresult");
  sg_zqresult->setModel(model_);
  sg_zqresult->setSelectionBehavior(QAbstractItemView::SelectRows);
  sg_zqresult->setSelectionMode(QAbstractItemView::SingleSelection);
  sg_zqresult->setEditTriggers(QAbstractItemView::NoEditTriggers);
  sg_zqresult->verticalHeader()->hide();
  sg_zqresult->verticalHeader()->setDefaultSectionSize(20);
  // The header's background only shows with a style that lets it.
  sg_zqresult->horizontalHeader()->setStyleSheet(
      QStringLiteral("QHeaderView::section { background-color: rgb(255, 203, 179); color: black; "
                     "border: 1px solid #c0a090; }"));
  const int width = QFontMetrics(sg_zqresult->font()).horizontalAdvance(QStringLiteral(" 主号一 "));
  sg_zqresult->setColumnWidth(0, width + 30);
  for (int c = 1; c <= 5; ++c) sg_zqresult->setColumnWidth(c, width + 8);
  layout->addWidget(sg_zqresult, 1);

  auto* paging = new QHBoxLayout;
  auto* first = NamedButton(this, "b_zh_firstpage", QStringLiteral("首页"));
  auto* prior = NamedButton(this, "b_zh_priorpage", QStringLiteral("上页"));
  auto* next = NamedButton(this, "b_zh_nextpage", QStringLiteral("下页"));
  auto* last = NamedButton(this, "b_zh_lastpage", QStringLiteral("尾页"));
  l_zh_pageinfo = new QLabel(QStringLiteral("第0页/ 0页"), this);
  l_zh_pageinfo->setObjectName("l_zh_pageinfo");
  for (QWidget* w : std::initializer_list<QWidget*>{first, prior, next, last, l_zh_pageinfo})
    paging->addWidget(w);
  paging->addSpacing(24);
  l_zq_status = new ZhStatusLine("l_zq_status", this);
  paging->addWidget(l_zq_status);
  paging->addStretch(1);
  layout->addLayout(paging);

  auto* edits = new QHBoxLayout;
  auto* save = NamedButton(this, "b_savezh", QStringLiteral("保存组号"));
  auto* load = NamedButton(this, "b_loadzh", QStringLiteral("载入组号"));
  auto* toForecast = NamedButton(this, "b_addtoprodict", QStringLiteral("   加到预测区     "));
  auto* clearForecast = NamedButton(this, "b_clearpredict", QStringLiteral(" 清除预测区   "));
  auto* del = NamedButton(this, "b_sczh", QStringLiteral("  删除   "));
  auto* edit = NamedButton(this, "b_xgzh", QStringLiteral(" 修改   "));
  auto* append = NamedButton(this, "b_tjzh", QStringLiteral("  添加  "));
  auto* print = NamedButton(this, "b_zq_print", QStringLiteral("打印"));
  for (QWidget* w : std::initializer_list<QWidget*>{save, load, toForecast, clearForecast, del,
                                                    edit, append, print})
    edits->addWidget(w);
  edits->addStretch(1);
  layout->addLayout(edits);

  ResultList& list = session_.front;
  connect(first, &QPushButton::clicked, this, [this, &list] {
    list.FirstPage();
    ShowPage();
  });
  connect(prior, &QPushButton::clicked, this, [this, &list] {
    list.PriorPage();
    ShowPage();
  });
  connect(next, &QPushButton::clicked, this, [this, &list] {
    list.NextPage();
    ShowPage();
  });
  connect(last, &QPushButton::clicked, this, [this, &list] {
    list.LastPage();
    ShowPage();
  });
  connect(del, &QPushButton::clicked, this, &ZhFrontGrid::DeleteRecord);
  connect(edit, &QPushButton::clicked, this, &ZhFrontGrid::EditRecord);
  connect(append, &QPushButton::clicked, this, &ZhFrontGrid::AppendRecord);
  connect(save, &QPushButton::clicked, this, &ZhFrontGrid::SaveList);
  connect(load, &QPushButton::clicked, this, &ZhFrontGrid::LoadList);
  connect(print, &QPushButton::clicked, this, &ZhFrontGrid::PrintList);
  connect(toForecast, &QPushButton::clicked, this, &ZhFrontGrid::AddToForecast);
  connect(clearForecast, &QPushButton::clicked, this, &ZhFrontGrid::ClearForecastRecord);
}

void ZhFrontGrid::Inform(const QString& text) {
  app_.shell.Inform(this, text);
}

void ZhFrontGrid::ShowPage() {
  const ResultList& list = session_.front;
  model_->Reload();
  l_zh_pageinfo->setText(QString::fromStdString(list.PageInfo()));
  l_zq_status->Show(list.Count(), runMicros_, runViolations_, runAcceptedOfAll_);
  emit captionChanged(QString::fromStdString(list.Caption()));
}

void ZhFrontGrid::ShowRunResult(int64_t elapsedMicros, std::vector<int64_t> violations,
                                std::optional<int64_t> acceptedOfAll) {
  runMicros_ = elapsedMicros;
  runViolations_ = std::move(violations);
  runAcceptedOfAll_ = acceptedOfAll;
  ShowPage();
}

void ZhFrontGrid::ShowChangedList() {
  runMicros_.reset();
  runViolations_.clear();
  runAcceptedOfAll_.reset();
  ShowPage();
}

int ZhFrontGrid::SelectedRecord() const {
  const auto rows = sg_zqresult->selectionModel()->selectedRows();
  if (rows.isEmpty()) return 0;
  return session_.front.RecordNumberOfRow(rows.front().row() + 1);
}

void ZhFrontGrid::DeleteRecord() {
  const int n = SelectedRecord();
  if (n == 0) return Inform(QString::fromUtf8(kSelectToDeleteMessage));
  session_.front.Delete(n);
  ShowChangedList();
}

void ZhFrontGrid::EditRecord() {
  const int n = SelectedRecord();
  if (n == 0) return Inform(QString::fromUtf8(kSelectToEditMessage));
  std::array<std::string, 7> initial{};
  const Combo& c = session_.front.At(n).numbers;
  for (size_t i = 0; i < 5; ++i) initial[i] = std::to_string(c[i]);
  const auto typed = dialogs_.editNumbers(this, initial);
  if (!typed) return;
  // The numbers are checked and sorted, so a typo never enters the list.
  if (!RunListStep(app_, this, [&](std::string* error) {
        return session_.front.ReplaceTyped(n, FrontTexts(*typed), error);
      }))
    return;
  ShowChangedList();
}

void ZhFrontGrid::AppendRecord() {
  const auto typed = dialogs_.editNumbers(this, {});
  if (!typed) return;
  if (!RunListStep(app_, this, [&](std::string* error) {
        return session_.front.AppendTyped(FrontTexts(*typed), error);
      }))
    return;
  if (session_.front.Page() == 0) session_.front.FirstPage();
  ShowChangedList();
}

void ZhFrontGrid::SaveList() {
  SaveListFile(app_, this, QStringLiteral("保存组号结果"),
               [&](const std::string& path, std::string* error) {
                 return SaveFrontResults(session_.front, path, error);
               });
}

void ZhFrontGrid::LoadList() {
  // A bad file leaves the list as it was and names the line at fault.
  if (!LoadListFile(app_, this, QStringLiteral(" 打开组号结果存储文件"),
                    [&](const std::string& path, std::string* error) {
                      return LoadFrontResults(session_.front, path, error);
                    }))
    return;
  session_.front.FirstPage();
  ShowChangedList();
  emit listLoaded();
}

void ZhFrontGrid::PrintList() {
  const std::string path = ListingPath(app_.folder.Root());
  std::string error;
  if (!WriteFrontListing(session_.front.Combos(), path, &error))
    return Inform(QString::fromStdString(error));
  OpenDocument(app_.shell, this, QString::fromStdString(path));
}

void ZhFrontGrid::TablesChanged() {
  if (app_.dm) app_.dm->TableChanged();
}

void ZhFrontGrid::AddToForecast() {
  if (app_.windows)
    if (auto* analysis = app_.windows->Get<Tf_zbpxz>()) analysis->close();
  const bool fromList =
      app_.shell.Confirm(this, QStringLiteral("如果想将上面列表中选中的号码组加到预测区，请选yes;"
                                              "如果想手工输入号码组，请选no"));
  if (fromList) {
    const int n = SelectedRecord();
    if (n == 0) return Inform(QString::fromUtf8(kSelectForForecastMessage));
    WriteComboForecast(app_.Table(), session_.front.At(n).numbers);
    TablesChanged();
    return;
  }
  Tf_addsj* board = app_.windows ? app_.windows->Get<Tf_addsj>() : nullptr;
  if (!board) return;
  board->SetMode(Tf_addsj::Mode::AddOrReplace);
  board->SetDrawNumber(QString::number(kForecastQs), true);
  board->setWindowTitle(QStringLiteral("添加到预测区"));
  const int result = app_.shell.ExecDialog(*board);
  board->SetDrawNumber(QString(), false);
  if (result == QDialog::Accepted) TablesChanged();
}

void ZhFrontGrid::ClearForecastRecord() {
  if (app_.windows)
    if (auto* analysis = app_.windows->Get<Tf_zbpxz>()) analysis->close();
  if (ClearForecast(app_.Table())) TablesChanged();
}

}  // namespace dlt::gui
