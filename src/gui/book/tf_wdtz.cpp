#include "gui/book/tf_wdtz.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "book/tier_amounts.h"
#include "generator/result_files.h"
#include "gui/app/app_context.h"
#include "gui/app/app_settings.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/tdm.h"
#include "gui/app/utf8_text.h"
#include "gui/app/window_set.h"
#include "gui/book/book_table_model.h"
#include "gui/book/tf_jrtz.h"
#include "gui/book/tf_srjj.h"
#include "gui/common/grid_view.h"
#include "gui/history/tf_informdownload.h"
#include "gui/trend/chart_view.h"
#include "trend/balance_chart.h"

namespace dlt::gui {

Tf_wdtz::Tf_wdtz(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_wdtz");
  setWindowTitle(QStringLiteral("我的投注"));
  resize(1000, 640);

  l_problem = new QLabel(this);
  l_problem->setObjectName("l_problem");
  l_problem->setWordWrap(true);
  l_problem->setStyleSheet(QStringLiteral("color: #c00000"));
  l_problem->hide();

  model_ = new BookTableModel(this);
  sg_book = new QTableView(this);
  sg_book->setObjectName("sg_book");
  sg_book->setModel(model_);
  SetUpGridView(sg_book, app_.shell);
  sg_book->setSelectionBehavior(QAbstractItemView::SelectRows);
  sg_book->horizontalHeader()->setStretchLastSection(true);

  m_winners = new QPlainTextEdit(this);
  m_winners->setObjectName("m_winners");
  m_winners->setReadOnly(true);

  i_balance = new ChartView(app_.shell, nullptr, this);
  i_balance->setObjectName("i_balance");
  i_balance->setMinimumHeight(220);
  i_balance->SetSource([this](int width, int height, const TextMetrics& metrics) {
    return BalanceChart(view_.balance, width, height, metrics);
  });

  l_total = new QLabel(this);
  l_total->setObjectName("l_total");

  auto* addFile = NamedButton(this, "b_addfile", QStringLiteral("导入投注文件"));
  auto* remove = NamedButton(this, "b_remove", QStringLiteral("删除"));
  auto* amount = NamedButton(this, "b_amount", QStringLiteral("输入奖金"));
  auto* refresh = NamedButton(this, "b_refresh", QStringLiteral("刷新"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(addFile);
  buttons->addWidget(remove);
  buttons->addWidget(amount);
  buttons->addWidget(refresh);
  buttons->addSpacing(20);
  buttons->addWidget(l_total, 1);

  auto* top = new QSplitter(Qt::Horizontal, this);
  top->addWidget(sg_book);
  auto* winnersBox = new QWidget(top);
  auto* winnersLayout = new QVBoxLayout(winnersBox);
  winnersLayout->setContentsMargins(0, 0, 0, 0);
  winnersLayout->addWidget(new QLabel(QStringLiteral("中奖号码"), winnersBox));
  winnersLayout->addWidget(m_winners);
  top->addWidget(winnersBox);
  top->setStretchFactor(0, 4);
  top->setStretchFactor(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(l_problem);
  layout->addWidget(top, 3);
  layout->addLayout(buttons);
  layout->addWidget(i_balance, 2);

  entryDialog_ = new Tf_jrtz(this);
  amountDialog_ = new Tf_srjj(this);

  connect(addFile, &QPushButton::clicked, this, &Tf_wdtz::AddFromFile);
  connect(remove, &QPushButton::clicked, this, &Tf_wdtz::RemoveSelected);
  connect(amount, &QPushButton::clicked, this, &Tf_wdtz::EnterAmount);
  connect(refresh, &QPushButton::clicked, this, &Tf_wdtz::Refresh);
  connect(sg_book->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this] { ShowWinners(); });
  if (app_.dm) connect(app_.dm, &Tdm::bookGraded, this, &Tf_wdtz::Graded);
}

void Tf_wdtz::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  Refresh();
}

bool Tf_wdtz::Usable() {
  const bool usable = app_.dm && app_.dm->Book() && app_.dm->IsOpen();
  l_problem->setVisible(!usable);
  if (!usable && app_.dm)
    l_problem->setText(app_.dm->BookProblem() +
                       QStringLiteral("\n请修复或移走该文件后重新启动程序。"));
  return usable;
}

StoredAmounts Tf_wdtz::Amounts() const {
  DrawTable* table = app_.dm && app_.dm->IsOpen() ? app_.dm->t_basedata.get() : nullptr;
  return [table](int32_t qs) -> std::optional<DrawPrizes> {
    if (!table) return std::nullopt;
    return PrizeAmounts(*table).Read(qs);
  };
}

void Tf_wdtz::Refresh() {
  const int64_t selected = SelectedId();
  view_ = {};
  if (Usable()) {
    try {
      view_ = ViewBook(app_.dm->Book()->Entries(), app_.settings.ReadPrizeTable(), Amounts());
    } catch (const std::exception& e) {
      app_.shell.Inform(this, QString::fromStdString(e.what()));
    }
  }
  model_->SetRows(view_.rows);
  sg_book->resizeColumnsToContents();
  l_total->setText(Q(BookTotalsLine(view_.totals)).replace('\t', QStringLiteral("    ")));
  i_balance->Redraw();
  if (selected) SelectEntry(selected);
  ShowWinners();
}

void Tf_wdtz::SelectEntry(int64_t id) {
  const auto& rows = model_->Rows();
  for (size_t i = 0; i < rows.size(); ++i)
    if (rows[i].entry.id == id) sg_book->selectRow(static_cast<int>(i));
}

int64_t Tf_wdtz::SelectedId() const {
  const QModelIndex current = sg_book->currentIndex();
  const auto& rows = model_->Rows();
  if (!current.isValid() || current.row() >= static_cast<int>(rows.size())) return 0;
  return rows[static_cast<size_t>(current.row())].entry.id;
}

void Tf_wdtz::ShowWinners() {
  const int64_t id = SelectedId();
  const auto& rows = model_->Rows();
  const auto row =
      std::find_if(rows.begin(), rows.end(), [id](const BookRow& r) { return r.entry.id == id; });
  if (row == rows.end() || !app_.dm->Book()) {
    m_winners->clear();
    return;
  }
  if (!row->entry.result) {
    m_winners->setPlainText(QStringLiteral("待开奖"));
    return;
  }
  if (row->entry.result->winners.empty()) {
    m_winners->setPlainText(QStringLiteral("未中奖"));
    return;
  }
  QStringList lines;
  for (const Ticket& t : app_.dm->Book()->WinningTickets(row->entry))
    lines << Q(GradedTicketLine(t));
  m_winners->setPlainText(lines.join('\n'));
}

std::optional<int64_t> Tf_wdtz::AskAndAdd(const std::vector<Ticket>& tickets, const QString& name) {
  if (!Usable()) {
    app_.shell.Inform(this, l_problem->text());
    return std::nullopt;
  }
  if (tickets.empty()) {
    app_.shell.Inform(this, QStringLiteral("没有号码, 不能加入投注记录"));
    return std::nullopt;
  }
  DrawTable& table = app_.Table();
  const PrizeTable prizes = app_.settings.ReadPrizeTable();
  const int64_t cost = prizes.ticketPriceFen * static_cast<int64_t>(tickets.size());
  entryDialog_->Prepare(name, NextDrawNumber(table),
                        QStringLiteral("共%1注, 每注%2, 合计%3")
                            .arg(tickets.size())
                            .arg(Q(YuanText(prizes.ticketPriceFen)))
                            .arg(Q(YuanText(cost))));
  if (app_.shell.ExecDialog(*entryDialog_) != QDialog::Accepted) return std::nullopt;
  std::string error;
  const auto qs = CheckBookDraw(table, entryDialog_->DrawText().toStdString(), &error);
  std::optional<int64_t> id;
  if (qs) {
    NewBookEntry entry;
    entry.name = entryDialog_->Name().toStdString();
    entry.qs = *qs;
    entry.addedAt = QDateTime::currentSecsSinceEpoch();
    entry.tickets = tickets;
    entry.costFen = cost;
    try {
      id = AddBookEntry(*app_.dm->Book(), table, entry, &error);
    } catch (const std::exception& e) {
      error = e.what();
    }
  }
  if (!id) {
    app_.shell.Inform(this, Q(error) + QStringLiteral("\n投注记录未改变"));
    return std::nullopt;
  }
  Refresh();
  SelectEntry(*id);
  return id;
}

void Tf_wdtz::AddFromFile() {
  const QString path = app_.shell.OpenFileName(this, QStringLiteral("导入投注文件"),
                                               QString::fromStdString(app_.folder.Root()),
                                               QStringLiteral("组号结果文件(*.txt)"));
  if (path.isEmpty()) return;
  std::string error;
  // The file is checked whole first: a bad line is named and nothing kept.
  const auto tickets = ReadTicketResults(path.toStdString(), &error);
  if (!tickets) {
    app_.shell.Inform(this, Q(error) + QStringLiteral("\n投注记录未改变"));
    return;
  }
  AskAndAdd(*tickets, QFileInfo(path).completeBaseName());
}

void Tf_wdtz::RemoveSelected() {
  const int64_t id = SelectedId();
  if (!id || !app_.dm->Book()) {
    app_.shell.Inform(this, QStringLiteral("请先在列表中选择一条投注记录"));
    return;
  }
  if (!app_.shell.Confirm(this, QStringLiteral("删除第%1条投注记录吗？").arg(id))) return;
  try {
    app_.dm->Book()->Remove(id);
  } catch (const std::exception& e) {
    app_.shell.Inform(this, QString::fromStdString(e.what()));
  }
  Refresh();
}

void Tf_wdtz::EnterAmount() {
  const int64_t id = SelectedId();
  const auto& rows = model_->Rows();
  const auto row =
      std::find_if(rows.begin(), rows.end(), [id](const BookRow& r) { return r.entry.id == id; });
  if (row == rows.end() || !row->entry.result) {
    app_.shell.Inform(this, QStringLiteral("请先选择一条已开奖的投注记录"));
    return;
  }
  // The floating tiers: those the prize table leaves without a fixed prize.
  const PrizeTable prizes = app_.settings.ReadPrizeTable();
  std::vector<int> levels;
  for (int level = 1; level <= 8; ++level)
    if (!prizes.fixedFen[static_cast<size_t>(level)]) levels.push_back(level);
  if (levels.empty()) {
    app_.shell.Inform(this, QStringLiteral("奖金表中没有浮动奖级"));
    return;
  }
  amountDialog_->Prepare(row->entry.qs, levels);
  if (app_.shell.ExecDialog(*amountDialog_) != QDialog::Accepted) return;
  std::string error;
  std::optional<int64_t> fen;
  bool ok = ReadYuanText(amountDialog_->AmountText().toStdString(), &fen, &error);
  if (ok) {
    try {
      ok = EnterTierAmount(app_.Table(), row->entry.qs, amountDialog_->Level(), fen, &error);
    } catch (const std::exception& e) {
      ok = false;
      error = e.what();
    }
  }
  if (!ok) app_.shell.Inform(this, Q(error));
  Refresh();
}

void Tf_wdtz::Graded(const GradingReport& report, const QString& error) {
  lastNotes_.clear();
  if (!error.isEmpty()) lastNotes_ << error;
  if (app_.dm && app_.dm->IsOpen())
    for (const std::string& line :
         GradingNotices(report, app_.settings.ReadPrizeTable(), Amounts()))
      lastNotes_ << Q(line);
  Refresh();
  if (lastNotes_.isEmpty() || !app_.windows) return;
  if (auto* popup = app_.windows->Get<Tf_informdownload>()) popup->AddNote(lastNotes_.join('\n'));
}

}  // namespace dlt::gui
