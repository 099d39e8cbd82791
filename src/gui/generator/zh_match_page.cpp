#include "gui/generator/zh_match_page.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <array>
#include <random>

#include "generator/forecast_writes.h"
#include "generator/prizes.h"
#include "generator/random_tickets.h"
#include "generator/result_files.h"
#include "generator/ticket_matching.h"
#include "gui/app/app_context.h"
#include "gui/app/masked_edit.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/tdm.h"
#include "gui/app/text_file_viewer.h"
#include "gui/app/utf8_text.h"
#include "gui/app/window_set.h"
#include "gui/book/tf_wdtz.h"
#include "gui/common/grid_view.h"
#include "gui/generator/tf_checkreward.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/value_pickers.h"
#include "gui/generator/zh_back_record_model.h"
#include "gui/generator/zh_list_files.h"
#include "gui/generator/zh_session.h"
#include "gui/generator/zh_status_line.h"
#include "gui/history/draw_table_model.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

// The grid header; the ninth column "中奖情况" only after a prize check.
QStringList Header(bool withPrize) {
  QStringList header;
  const auto& names = TicketList::Header();
  for (size_t i = 0; i < names.size() - (withPrize ? 0 : 1); ++i) header << Q(names[i]);
  return header;
}

// The data-update grid and the issue lists show the forecast record: let
// them see the change.
void TableChanged(AppContext& app) {
  if (app.dm) app.dm->TableChanged();
}

}  // namespace

ZhMatchPage::ZhMatchPage(AppContext& app, ZhSession& session, Tf_zh& window, QWidget* parent)
    : QWidget(parent), app_(app), session_(session), window_(window) {
  auto* layout = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(QStringLiteral("匹配方式"), this));
  cb_sqzh_style = new QComboBox(this);
  cb_sqzh_style->setObjectName("cb_sqzh_style");
  for (MatchStyle s : {MatchStyle::Order, MatchStyle::Random, MatchStyle::Full})
    cb_sqzh_style->addItem(Q(MatchStyleName(s)));
  top->addWidget(cb_sqzh_style);
  auto* b_kszh = NamedButton(this, "b_kszh", QStringLiteral("开始匹配"));
  top->addWidget(b_kszh);
  top->addSpacing(24);
  me_zh_jxzh = new MaskedEdit(QStringLiteral("9999;_"), this);
  me_zh_jxzh->setObjectName("me_zh_jxzh");
  me_zh_jxzh->setText("10");
  me_zh_jxzh->setMaximumWidth(60);
  top->addWidget(me_zh_jxzh);
  auto* b_zh_jxhm = NamedButton(this, "b_zh_jxhm", QStringLiteral("机选组号"));
  top->addWidget(b_zh_jxhm);
  top->addStretch();
  layout->addLayout(top);

  model_ = new ZhRecordModel([this](int k) { return session_.tickets.RowTexts(k, withPrize_); },
                             ZhRecordModel::Painting::kColoured, this);
  sg_sqzh = new QTableView(this);
  sg_sqzh->setObjectName("sg_sqzh");
  sg_sqzh->setModel(model_);
  SetUpGridView(sg_sqzh, app_.shell);
  sg_sqzh->setSelectionBehavior(QAbstractItemView::SelectRows);
  layout->addWidget(sg_sqzh, 1);
  l_sq_status = new ZhStatusLine("l_sq_status", this);
  layout->addWidget(l_sq_status);

  m_reward = new QPlainTextEdit(this);
  m_reward->setObjectName("m_reward");
  m_reward->setReadOnly(true);
  m_reward->setMaximumHeight(48);
  layout->addWidget(m_reward);

  auto* buttons = new QGridLayout;
  const std::array<std::pair<const char*, QString>, 10> captions = {{
      {"Button1", QStringLiteral("删除")},
      {"Button4", QStringLiteral("修改")},
      {"Button5", QStringLiteral("添加")},
      {"Button2", QStringLiteral("保存组号")},
      {"Button3", QStringLiteral("  载入组号  ")},
      {"Button9", QStringLiteral("加到预测区")},
      {"Button8", QStringLiteral("清除预测区")},
      {"b_zh_print", QStringLiteral("打印")},
      {"Button14", QStringLiteral("对奖")},
      {"b_addbook", QStringLiteral("加入投注记录")},
  }};
  std::array<QPushButton*, 10> b{};
  for (size_t i = 0; i < b.size(); ++i) {
    b[i] = NamedButton(this, captions[i].first, captions[i].second);
    buttons->addWidget(b[i], static_cast<int>(i / 5), static_cast<int>(i % 5));
  }
  layout->addLayout(buttons);

  connect(b_kszh, &QPushButton::clicked, this, [this] { Match(); });
  connect(b_zh_jxhm, &QPushButton::clicked, this, [this] { RandomTickets(); });
  connect(b[0], &QPushButton::clicked, this, [this] { DeleteTicket(); });
  connect(b[1], &QPushButton::clicked, this, [this] { EditTicket(); });
  connect(b[2], &QPushButton::clicked, this, [this] { AppendTicket(); });
  connect(b[3], &QPushButton::clicked, this, [this] { SaveTickets(); });
  connect(b[4], &QPushButton::clicked, this, [this] { LoadTickets(); });
  connect(b[5], &QPushButton::clicked, this, [this] { TicketToForecast(); });
  connect(b[6], &QPushButton::clicked, this, [this] { ClearForecast(); });
  connect(b[7], &QPushButton::clicked, this, [this] { Print(); });
  connect(b[8], &QPushButton::clicked, this, [this] { CheckPrizes(); });
  connect(b[9], &QPushButton::clicked, this, [this] { AddToBook(); });
  // The window keeps its own caption until the list changes.
  model_->Show(Header(false), session_.tickets.Count());
}

void ZhMatchPage::ShowMadeList(int64_t elapsedMicros) {
  madeMicros_ = elapsedMicros;
  ShowList();
}

void ZhMatchPage::ShowEditedList() {
  madeMicros_.reset();
  ShowList(withPrize_);
}

void ZhMatchPage::ShowList(bool withPrize) {
  withPrize_ = withPrize;
  model_->Show(Header(withPrize), session_.tickets.Count());
  l_sq_status->Show(session_.tickets.Count(), madeMicros_);
  window_.setWindowTitle(Q(session_.tickets.Caption()));
}

void ZhMatchPage::Match() {
  const auto style = MatchStyleByName(cb_sqzh_style->currentText().toStdString());
  QElapsedTimer timer;
  timer.start();
  std::mt19937_64 rng(ClockSeed());
  std::string error;
  const auto tickets = MatchTickets(session_.front.Combos(), session_.back.Items(),
                                    style.value_or(MatchStyle::Order), rng, &error);
  if (!tickets || !session_.tickets.Assign(*tickets, &error)) {
    app_.shell.Inform(this, Q(error));
    return;
  }
  ShowMadeList(timer.nsecsElapsed() / 1000);
}

void ZhMatchPage::RandomTickets() {
  std::string error;
  const auto count =
      PickCount(me_zh_jxzh->text().trimmed().toStdString(), kTicketListCapacity, &error);
  if (!count) {
    app_.shell.Inform(this, Q(error));
    return;
  }
  QElapsedTimer timer;
  timer.start();
  std::mt19937_64 rng(ClockSeed());
  const auto tickets = dlt::RandomTickets(*count, rng, &error);
  if (!tickets || !session_.tickets.Assign(*tickets, &error)) {
    app_.shell.Inform(this, Q(error));
    return;
  }
  ShowMadeList(timer.nsecsElapsed() / 1000);
}

void ZhMatchPage::CheckPrizes() {
  Tf_checkreward* dialog = app_.windows->Get<Tf_checkreward>();
  if (!dialog) return;
  dialog->Prepare();
  if (app_.shell.ExecDialog(*dialog) != QDialog::Accepted) return;
  std::string error;
  const auto draw = ParsePrizeDraw(dialog->NumberTexts(), &error);
  if (!draw) {
    // Nothing is graded on a draw that cannot be read.
    app_.shell.Inform(this, Q(error));
    return;
  }
  const PrizeCounts counts = dlt::CheckPrizes(session_.tickets.MutableItems(), *draw);
  ShowList(true);
  m_reward->setPlainText(Q(PrizeSummary(counts)));
}

void ZhMatchPage::AddToBook() {
  if (auto* book = app_.windows->Get<Tf_wdtz>())
    if (book->AskAndAdd(session_.tickets.Items(), QStringLiteral("超强组号"))) {
      book->show();
      book->raise();
    }
}

// --- the two-zone list -------------------------------------------------------------

int ZhMatchPage::SelectedRecord() const {
  const QModelIndexList rows = sg_sqzh->selectionModel()->selectedRows();
  const int row = rows.isEmpty() ? -1 : rows.first().row();
  return session_.tickets.Valid(row + 1) ? row + 1 : 0;
}

void ZhMatchPage::DeleteTicket() {
  const int k = SelectedRecord();
  if (k == 0) {
    app_.shell.Inform(this, QStringLiteral("请先在上边的列表中选择一组需要删除的号码"));
    return;
  }
  session_.tickets.Delete(k);
  ShowEditedList();
}

void ZhMatchPage::EditTicket() {
  const int k = SelectedRecord();
  if (k == 0) {
    app_.shell.Inform(this, QStringLiteral("请先在上边的列表中选择一组需要修改的号码"));
    return;
  }
  const Ticket& t = session_.tickets.At(k);
  std::array<std::string, 7> initial;
  for (int i = 0; i < 5; ++i) initial[i] = std::to_string(t.front[i]);
  for (int i = 0; i < 2; ++i) initial[5 + i] = std::to_string(t.back[i]);
  const auto texts = EditNumbers(app_, this, initial);
  if (!texts || !RunListStep(app_, this, [&](std::string* error) {
        return session_.tickets.ReplaceTyped(k, *texts, error);
      }))
    return;
  ShowEditedList();
}

void ZhMatchPage::AppendTicket() {
  const auto texts = EditNumbers(app_, this, {});
  if (!texts || !RunListStep(app_, this, [&](std::string* error) {
        return session_.tickets.AppendTyped(*texts, error);
      }))
    return;
  ShowEditedList();
}

void ZhMatchPage::SaveTickets() {
  SaveListFile(app_, this, QStringLiteral("保存组号结果"),
               [&](const std::string& path, std::string* error) {
                 return SaveTicketResults(session_.tickets, path, error);
               });
}

void ZhMatchPage::LoadTickets() {
  if (LoadListFile(app_, this, QStringLiteral(" 打开组号结果存储文件"),
                   [&](const std::string& path, std::string* error) {
                     return LoadTicketResults(session_.tickets, path, error);
                   })) {
    madeMicros_.reset();
    ShowList();
  }
}

void ZhMatchPage::TicketToForecast() {
  const int k = SelectedRecord();
  if (k == 0) {
    app_.shell.Inform(this, QStringLiteral("请先在上边的列表中选择一组号码"));
    return;
  }
  WriteTicketForecast(app_.Table(), session_.tickets.At(k));
  TableChanged(app_);
}

void ZhMatchPage::ClearForecast() {
  if (dlt::ClearForecast(app_.Table())) TableChanged(app_);
}

void ZhMatchPage::Print() {
  const std::string path = ListingPath(app_.folder.Root());
  std::string error;
  if (!WriteTicketListing(session_.tickets.Items(), path, &error)) {
    app_.shell.Inform(this, Q(error));
    return;
  }
  OpenDocument(app_.shell, this, Q(path));
}

}  // namespace dlt::gui
