#include "gui/history/tf_gxsjq.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/app/app_context.h"
#include "gui/app/below_toolbar.h"
#include "gui/app/long_task.h"
#include "gui/app/masked_edit.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/tdm.h"
#include "gui/app/tf_showpic.h"
#include "gui/app/utf8_text.h"
#include "gui/app/window_set.h"
#include "gui/history/draw_grid_view.h"
#include "gui/history/draw_table_model.h"
#include "gui/history/import_preview_dialog.h"
#include "gui/history/online_update.h"
#include "gui/history/service_sync.h"
#include "gui/history/tf_addsj.h"
#include "history/draw_table.h"
#include "history/draw_text_io.h"
#include "history/import_plan.h"
#include "history/manual_entry.h"

namespace dlt::gui {
namespace {

struct NavigatorEntry {
  const char* action;
  const char* symbol;
  const char* hint;
};
constexpr NavigatorEntry kNavigator[] = {
    {"first", "|◀", "第一条记录"},   {"prior", "◀", "上一条记录"},
    {"next", "▶", "下一条记录"},     {"last", "▶|", "最后一条记录"},
    {"delete", "－", "删除记录"},    {"edit", "▲", "修改记录"},
    {"post", "✔", "确认修改或添加"}, {"cancel", "✘", "放弃修改或添加"},
    {"refresh", "↻", "更新数据"}};

}  // namespace

Tf_gxsjq::Tf_gxsjq(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_gxsjq");
  setWindowTitle(
      QStringLiteral("更新数据库（本软件中的数据仅供参考，请以体彩官方网站的开奖号为准）"));
  resize(820, 560);
  OpenBelowToolbar(*this, size(), app, /*everyShow=*/true);

  tabs_ = new QTabWidget(this);
  auto* page = new QWidget;
  page->setObjectName("ts_browse");
  grid_ = new DrawGridView(page);
  grid_->setObjectName("dbg_basedata");
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  grid_->verticalHeader()->setDefaultSectionSize(22);

  auto* navigator = new QWidget(page);
  navigator->setObjectName("dbn_basedata");
  auto* navRow = new QHBoxLayout(navigator);
  navRow->setContentsMargins(0, 0, 0, 0);
  navRow->setSpacing(1);
  for (const NavigatorEntry& n : kNavigator) {
    auto* b = new QToolButton(navigator);
    b->setObjectName(QStringLiteral("nav_%1").arg(n.action));
    b->setText(QString::fromUtf8(n.symbol));
    b->setToolTip(QString::fromUtf8(n.hint));
    b->setMinimumWidth(34);
    const QString action = n.action;
    connect(b, &QToolButton::clicked, this, [this, action] { Navigate(action); });
    navRow->addWidget(b);
  }
  navRow->addStretch();

  auto* online = NamedButton(page, "b_online", QStringLiteral("在线更新"));
  auto* sync = NamedButton(page, "b_sync", QStringLiteral("同步开奖数据"));
  auto* appendImport = NamedButton(page, "b_appendimport", QStringLiteral("记事本追加导入"));
  auto* overwriteImport = NamedButton(page, "b_overwriteimport", QStringLiteral("记事本覆盖导入"));
  auto* exportButton = NamedButton(page, "b_export", QStringLiteral("导出到记事本"));
  b_fullrefresh = NamedButton(page, "b_fullrefresh", QStringLiteral("计算字段完全更新"));
  b_fullrefresh->hide();

  auto* addGroup = new QGroupBox(QStringLiteral("数据添加"), page);
  addGroup->setObjectName("gb_add");
  e_qs = new MaskedEdit(QStringLiteral("0000000;_"), addGroup);
  e_qs->setObjectName("e_qs");
  e_zh = new MaskedEdit(QStringLiteral("00-00-00-00-00;_"), addGroup);
  e_zh->setObjectName("e_zh");
  e_spec = new MaskedEdit(QStringLiteral("00-00;_"), addGroup);
  e_spec->setObjectName("e_spec");
  auto* add = NamedButton(addGroup, "b_add", QStringLiteral("添加"));
  auto* graphical = NamedButton(addGroup, "b_graphicaladd", QStringLiteral("图形化添加"));
  auto* addRow = new QHBoxLayout(addGroup);
  addRow->addWidget(new QLabel(QStringLiteral("期数"), addGroup));
  addRow->addWidget(e_qs);
  addRow->addWidget(new QLabel(QStringLiteral("主号"), addGroup));
  addRow->addWidget(e_zh);
  addRow->addWidget(new QLabel(QStringLiteral("副号"), addGroup));
  addRow->addWidget(e_spec);
  addRow->addWidget(add);
  addRow->addWidget(graphical);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(online);
  buttons->addWidget(sync);
  buttons->addWidget(appendImport);
  buttons->addWidget(overwriteImport);
  buttons->addWidget(exportButton);
  buttons->addWidget(b_fullrefresh);
  buttons->addStretch();
  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->addWidget(grid_, 1);
  pageLayout->addWidget(navigator);
  pageLayout->addLayout(buttons);
  pageLayout->addWidget(addGroup);
  tabs_->addTab(page, QStringLiteral("修改浏览"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);

  connect(online, &QPushButton::clicked, this, &Tf_gxsjq::OnlineUpdateClicked);
  connect(sync, &QPushButton::clicked, this, &Tf_gxsjq::SyncClicked);
  // Draws the start-up sync adds while the grid shows the history.
  if (app_.dm)
    connect(app_.dm, &Tdm::historyChanged, this, [this] {
      if (grid_->model()) AfterHistoryChanged();
    });
  connect(appendImport, &QPushButton::clicked, this, [this] { ImportClicked(false); });
  connect(overwriteImport, &QPushButton::clicked, this, [this] { ImportClicked(true); });
  connect(exportButton, &QPushButton::clicked, this, &Tf_gxsjq::ExportClicked);
  connect(b_fullrefresh, &QPushButton::clicked, this, &Tf_gxsjq::FullRefresh);
  connect(add, &QPushButton::clicked, this, &Tf_gxsjq::AddClicked);
  connect(graphical, &QPushButton::clicked, this, &Tf_gxsjq::GraphicalAddClicked);
}

QToolButton* Tf_gxsjq::NavButton(const QString& name) const {
  return findChild<QToolButton*>(QStringLiteral("nav_") + name);
}

void Tf_gxsjq::AttachGrid() {
  DrawTableModel* model = app_.dm->ds_basedata;
  if (grid_->model() == model) return;
  QItemSelectionModel* old = grid_->selectionModel();
  grid_->setModel(model);
  delete old;  // the view leaves its old selection model to its owner
  connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid() && app_.dm->IsOpen()) app_.Table().SetPosition(current.row());
          });
  connect(model, &DrawTableModel::editRefused, this,
          [this](const QString& message) { app_.shell.Inform(this, message); });
  connect(model, &DrawTableModel::posted, this, [this](int) { SelectCursorRow(); });
}

void Tf_gxsjq::DetachGrid() {
  DrawTableModel* model = app_.dm ? app_.dm->ds_basedata : nullptr;
  if (model) disconnect(model, nullptr, this, nullptr);
  if (!grid_->model()) return;
  QItemSelectionModel* old = grid_->selectionModel();
  grid_->setModel(nullptr);
  delete old;
}

void Tf_gxsjq::SelectCursorRow() {
  if (!app_.dm->IsOpen() || !grid_->model()) return;
  const DrawTable& table = app_.Table();
  if (table.Empty()) return;
  const QModelIndex index = grid_->model()->index(table.Position(), 0);
  grid_->setCurrentIndex(index);
  grid_->scrollTo(index);
}

void Tf_gxsjq::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (!app_.dm->IsOpen()) app_.dm->Open(app_.folder.TablePath());
  AttachGrid();
  DrawTable& table = app_.Table();
  // The last ten draws are in view, the cursor on the first of them.
  table.Last();
  grid_->scrollToBottom();
  table.MoveBy(-9);
  SelectCursorRow();
}

void Tf_gxsjq::hideEvent(QHideEvent* e) {
  grid_->CancelEdit();
  DetachGrid();
  QWidget::hideEvent(e);
}

void Tf_gxsjq::AfterHistoryChanged() {
  app_.dm->ds_basedata->Refresh();
  SelectCursorRow();
}

void Tf_gxsjq::Navigate(const QString& action) {
  if (!app_.dm->IsOpen() || !grid_->model()) return;
  DrawTable& table = app_.Table();
  if (action == "edit") {
    if (!table.Empty())
      grid_->edit(grid_->currentIndex().isValid() ? grid_->currentIndex()
                                                  : grid_->model()->index(table.Position(), 0));
    return;
  }
  if (action == "post") return grid_->PostEdit();
  if (action == "cancel") return grid_->CancelEdit();
  grid_->CancelEdit();
  if (action == "first")
    table.First();
  else if (action == "prior")
    table.Prior();
  else if (action == "next")
    table.Next();
  else if (action == "last")
    table.Last();
  else if (action == "delete") {
    if (table.Empty() || !app_.shell.Confirm(this, QStringLiteral("删除这条记录吗？"))) return;
    table.Delete();
    // The moving means of the draws after it lose one of their terms.
    table.UpdateDerivedFields(table.Position());
    app_.dm->ds_basedata->Refresh();
  } else if (action == "refresh") {
    const int32_t qs = table.Empty() ? 0 : table.CurrentDraw().qs;
    table.Reload();
    if (qs) table.LocateDraw(qs);
    app_.dm->ds_basedata->Refresh();
  }
  SelectCursorRow();
}

void Tf_gxsjq::OnlineUpdateClicked() {
  auto* box = app_.windows->Get<Tf_showpic>();
  box->ShowProgress(QStringLiteral("在线更新中，请稍候."), /*cancellable=*/true);
  DetachGrid();
  const OnlineUpdateResult r = OnlineUpdate(app_, box);
  box->HideBox();
  AttachGrid();
  AfterHistoryChanged();
  app_.shell.Inform(this, OnlineUpdateReport(r));
}

void Tf_gxsjq::SyncClicked() {
  DetachGrid();
  const ServiceSyncOutcome outcome = SyncWithProgress(app_, *app_.windows->Get<Tf_showpic>());
  AttachGrid();
  AfterHistoryChanged();
  app_.shell.Inform(this, ServiceSyncMessage(outcome));
}

void Tf_gxsjq::ImportClicked(bool overwrite) {
  const QString title =
      overwrite ? QStringLiteral(" 覆盖方式导入文件") : QStringLiteral(" 追加方式导入文件");
  // The text layout first; the CSV files users keep are offered beside it.
  const QString path = app_.shell.OpenFileName(
      this, title, QString::fromStdString(app_.folder.Root()),
      QStringLiteral(" 所要导入的文件(*.txt);;CSV文件(*.csv);;所有文件(*)"));
  if (path.isEmpty()) return;
  // Every line is checked before anything is stored: a bad file changes nothing.
  const ParsedDraws parsed = ReadDrawFile(path.toStdString());
  if (!parsed.ok()) {
    app_.shell.Inform(this, Q(parsed.error) + QStringLiteral("\n历史数据未改变"));
    return;
  }
  DrawTable& table = app_.Table();
  const ImportPlan plan = PlanImport(parsed, table.Draws(), overwrite);
  // The user sees how the file was read, and what it changes, before it is stored.
  ImportPreviewDialog preview(title, PreviewLines(plan), this);
  if (app_.shell.ExecDialog(preview) != QDialog::Accepted) return;
  DetachGrid();
  int added = 0;
  const TaskOutcome outcome =
      RunLongTask(*app_.windows->Get<Tf_showpic>(), QStringLiteral("正在导入，请稍候."), false,
                  [&](TaskControl&) { added = table.ApplyImport(parsed.draws, overwrite); });
  AttachGrid();
  AfterHistoryChanged();
  if (!outcome.error.isEmpty()) {
    app_.shell.Inform(this, outcome.error);
    return;
  }
  QStringList report = {QStringLiteral("导入%1期，现共有%2期").arg(added).arg(table.RecordCount())};
  for (const std::string& line : LayoutNotes(parsed.layout)) report << Q(line);
  if (!overwrite)
    for (const std::string& line : ConflictLines(plan)) report << Q(line);
  app_.shell.Inform(this, report.join('\n'));
}

void Tf_gxsjq::ExportClicked() {
  const QString path = app_.shell.SaveFileName(this, QStringLiteral("导出到文本文件"),
                                               QString::fromStdString(app_.folder.Root()),
                                               QStringLiteral("文本文件(*.txt)"));
  if (path.isEmpty()) return;
  // The forecast record is no draw: the file holds the real history only,
  // so it can be imported again.
  std::vector<Draw> draws;
  for (const Draw& d : app_.Table().Draws())
    if (d.qs <= kLastRealQs) draws.push_back(d);
  std::string error;
  if (!ExportDraws(draws, path.toStdString(), &error)) {
    app_.shell.Inform(this, QString::fromStdString(error));
    return;
  }
  app_.shell.Inform(this, QStringLiteral("已导出%1期到%2")
                              .arg(draws.size())
                              .arg(QString::fromStdString(WithTxtExtension(path.toStdString()))));
}

void Tf_gxsjq::FullRefresh() {
  DetachGrid();
  DrawTable& table = app_.Table();
  const TaskOutcome outcome =
      RunLongTask(*app_.windows->Get<Tf_showpic>(), QStringLiteral("正在更新计算字段，请稍候."),
                  false, [&](TaskControl&) { table.UpdateAllDerivedFields(); });
  AttachGrid();
  AfterHistoryChanged();
  if (!outcome.error.isEmpty()) app_.shell.Inform(this, outcome.error);
}

void Tf_gxsjq::AddClicked() {
  std::string message;
  const auto draw = ParseManualEntry(e_qs->text().toStdString(), e_zh->text().toStdString(),
                                     e_spec->text().toStdString(), &message);
  if (!draw) {
    app_.shell.Inform(this, QString::fromStdString(message));
    return;
  }
  DrawTable& table = app_.Table();
  if (table.IndexOf(draw->qs) >= 0) {
    app_.shell.Inform(this, QStringLiteral("数据库中已经存在此期的记录"));
  } else if (table.AppendDraw(*draw, &message)) {
    AfterHistoryChanged();
  } else {
    app_.shell.Inform(this, QString::fromStdString(message));
  }
  e_qs->clear();
  e_zh->clear();
  e_spec->clear();
}

void Tf_gxsjq::GraphicalAddClicked() {
  auto* dialog = app_.windows->Get<Tf_addsj>();
  dialog->SetMode(Tf_addsj::Mode::AddOnly);
  dialog->SetDrawNumber(QString());
  dialog->setWindowTitle(QStringLiteral("添加开奖数据"));
  if (app_.shell.ExecDialog(*dialog) == QDialog::Accepted) AfterHistoryChanged();
}

}  // namespace dlt::gui
