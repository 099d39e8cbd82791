#include "gui/generator/zh_back_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include "generator/condition_files.h"
#include "generator/forecast_writes.h"
#include "generator/picker_values.h"
#include "generator/result_files.h"
#include "generator/ticket_matching.h"
#include "generator/value_list_text.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/tdm.h"
#include "gui/app/utf8_text.h"
#include "gui/common/grid_view.h"
#include "gui/generator/condition_row.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/value_pickers.h"
#include "gui/generator/zh_back_record_model.h"
#include "gui/generator/zh_condition_text.h"
#include "gui/generator/zh_front_dialogs.h"
#include "gui/generator/zh_front_page.h"
#include "gui/generator/zh_list_files.h"
#include "gui/generator/zh_session.h"
#include "gui/generator/zh_status_line.h"
#include "gui/history/draw_table_model.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

// The program's folder stands for the current directory of the file dialogs.
QString Root(const AppContext& app) {
  return QString::fromStdString(app.folder.Root());
}

QStringList Header() {
  QStringList header;
  for (const std::string& h : BackList::Header()) header << Q(h);
  return header;
}

// The data-update grid and the issue lists show the forecast record: let
// them see the change.
void TableChanged(AppContext& app) {
  if (app.dm) app.dm->TableChanged();
}

QPlainTextEdit* Memo(QWidget* parent, const char* name) {
  auto* m = new QPlainTextEdit(parent);
  m->setObjectName(name);
  m->setReadOnly(true);
  m->setMaximumHeight(48);
  return m;
}

}  // namespace

ZhFrontDialogs& ZhBackPage::Dialogs() {
  return window_.FrontPage().Dialogs();
}

ZhBackPage::ZhBackPage(AppContext& app, ZhSession& session, Tf_zh& window, QWidget* parent)
    : QWidget(parent), app_(app), session_(session), window_(window) {
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildConditions(), 0);
  layout->addWidget(BuildList(), 1);
  ShowConditions();
  // The window keeps its own caption until the list changes.
  model_->Show(Header(), session_.back.Count());
}

QWidget* ZhBackPage::BuildConditions() {
  auto* box = new QWidget(this);
  auto* column = new QVBoxLayout(box);

  auto* group = new QGroupBox(QStringLiteral("副区过滤条件"), box);
  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(QStringLiteral("容错"), group), 0, 3, Qt::AlignCenter);
  int row = 1;
  for (const BackCondition& c : BackConditions()) {
    ConditionWidgets w;
    w.number = c.number;
    w.row = AddConditionRow(grid, row, 0, c.stem, c.caption, true);
    conditions_.push_back(w);
    ++row;
  }
  for (const ConditionWidgets& w : conditions_) {
    connect(w.row.enable, &QCheckBox::toggled, this,
            [this, w](bool on) { ToggleCondition(w, on); });
    connect(w.row.pick, &QPushButton::clicked, this, [this, w] { PickConditionValues(w); });
    connect(w.row.tolerant, &QCheckBox::toggled, this,
            [this, w](bool on) { session_.set.Back().SetTolerant(w.number, on); });
  }
  column->addWidget(group);

  auto* limitRow = new QHBoxLayout;
  cb_f_rcnumlimit = new QCheckBox(QStringLiteral("容错时允许同时违反的条件数<="), box);
  cb_f_rcnumlimit->setObjectName("cb_f_rcnumlimit");
  combo_f_rcnum = new QComboBox(box);
  combo_f_rcnum->setObjectName("combo_f_rcnum");
  for (int i = 1; i <= 15; ++i) combo_f_rcnum->addItem(QString::number(i));
  limitRow->addWidget(cb_f_rcnumlimit);
  limitRow->addWidget(combo_f_rcnum);
  limitRow->addStretch();
  column->addLayout(limitRow);
  connect(cb_f_rcnumlimit, &QCheckBox::toggled, this, [this] { ToleranceChanged(); });
  connect(combo_f_rcnum, &QComboBox::currentIndexChanged, this, [this] { ToleranceChanged(); });

  auto* numbers = new QGridLayout;
  auto* b_fqkxhm = NamedButton(box, "b_fqkxhm", QStringLiteral("副区可选号码"));
  auto* b_fqdm = NamedButton(box, "b_fqdm", QStringLiteral("副区胆码"));
  m_fqkxhm = Memo(box, "m_fqkxhm");
  m_fqdm = Memo(box, "m_fqdm");
  numbers->addWidget(b_fqkxhm, 0, 0);
  numbers->addWidget(m_fqkxhm, 0, 1);
  numbers->addWidget(b_fqdm, 1, 0);
  numbers->addWidget(m_fqdm, 1, 1);
  column->addLayout(numbers);
  connect(b_fqkxhm, &QPushButton::clicked, this, [this] { PickPool(); });
  connect(b_fqdm, &QPushButton::clicked, this, [this] { PickBankers(); });
  // A click on a memo does what its button does.
  m_fqkxhm->viewport()->installEventFilter(this);
  m_fqdm->viewport()->installEventFilter(this);

  auto* actions = new QHBoxLayout;
  auto* Button15 = NamedButton(box, "Button15", QStringLiteral("重置"));
  auto* b_bluefilter = NamedButton(box, "b_bluefilter", QStringLiteral("开始过滤 "));
  auto* b_savefq = NamedButton(box, "b_savefq", QStringLiteral("保存条件  "));
  auto* b_loadfq = NamedButton(box, "b_loadfq", QStringLiteral("  载入条件  "));
  for (QPushButton* b : {Button15, b_bluefilter, b_savefq, b_loadfq}) actions->addWidget(b);
  column->addLayout(actions);
  column->addStretch();
  connect(Button15, &QPushButton::clicked, this, [this] { Reset(); });
  connect(b_bluefilter, &QPushButton::clicked, this, [this] { Filter(); });
  connect(b_savefq, &QPushButton::clicked, this, [this] { SaveSet(); });
  connect(b_loadfq, &QPushButton::clicked, this, [this] { LoadSet(); });
  return box;
}

QWidget* ZhBackPage::BuildList() {
  auto* box = new QWidget(this);
  auto* column = new QVBoxLayout(box);
  model_ = new ZhRecordModel([this](int k) { return session_.back.RowTexts(k); },
                             ZhRecordModel::Painting::kPlain, this);
  sg_fqresult = new QTableView(box);
  sg_fqresult->setObjectName("sg_fqresult");
  sg_fqresult->setModel(model_);
  SetUpGridView(sg_fqresult, app_.shell);
  sg_fqresult->setSelectionBehavior(QAbstractItemView::SelectRows);
  column->addWidget(sg_fqresult, 1);
  l_fq_status = new ZhStatusLine("l_fq_status", box);
  column->addWidget(l_fq_status);

  auto* buttons = new QGridLayout;
  const std::array<std::pair<const char*, QString>, 7> captions = {{
      {"Button10", QStringLiteral("删除")},
      {"Button7", QStringLiteral("修改")},
      {"Button11", QStringLiteral("添加")},
      {"Button12", QStringLiteral("保存组号")},
      {"Button13", QStringLiteral("  载入组号  ")},
      {"Button17", QStringLiteral("  加入到预测区   ")},
      {"Button18", QStringLiteral(" 清除预测区   ")},
  }};
  std::array<QPushButton*, 7> b{};
  for (size_t i = 0; i < captions.size(); ++i) {
    b[i] = NamedButton(box, captions[i].first, captions[i].second);
    buttons->addWidget(b[i], static_cast<int>(i / 4), static_cast<int>(i % 4));
  }
  column->addLayout(buttons);
  connect(b[0], &QPushButton::clicked, this, [this] { DeletePair(); });
  connect(b[1], &QPushButton::clicked, this, [this] { EditPair(); });
  connect(b[2], &QPushButton::clicked, this, [this] { AppendPair(); });
  connect(b[3], &QPushButton::clicked, this, [this] { SavePairs(); });
  connect(b[4], &QPushButton::clicked, this, [this] { LoadPairs(); });
  connect(b[5], &QPushButton::clicked, this, [this] { PairToForecast(); });
  connect(b[6], &QPushButton::clicked, this, [this] { ClearForecast(); });
  return box;
}

bool ZhBackPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    if (watched == m_fqkxhm->viewport()) {
      PickPool();
      return true;
    }
    if (watched == m_fqdm->viewport()) {
      PickBankers();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// --- conditions ---------------------------------------------------------------

void ZhBackPage::ShowConditions() {
  for (const ConditionWidgets& w : conditions_) ShowCondition(w);
  const BackTolerance& t = session_.set.Back().Tolerance();
  {
    const QSignalBlocker b1(cb_f_rcnumlimit), b2(combo_f_rcnum);
    cb_f_rcnumlimit->setChecked(t.enabled);
    const int index = combo_f_rcnum->findText(QString::number(t.limit));
    if (index >= 0) combo_f_rcnum->setCurrentIndex(index);
    combo_f_rcnum->setEnabled(t.enabled);
  }
  ShowNumbers();
}

void ZhBackPage::ShowCondition(const ConditionWidgets& w) {
  const IndicatorCondition& c = session_.set.Back().Condition(w.number);
  ShowConditionRow(w.row, c.enabled, c.tolerant, &c.values);
}

void ZhBackPage::ShowNumbers() {
  const BackConditionSet& back = session_.set.Back();
  m_fqkxhm->setPlainText(Q(NumberMemoText(back.PoolNumbers())));
  m_fqdm->setPlainText(Q(NumberMemoText(back.BankerNumbers())));
}

void ZhBackPage::ToggleCondition(const ConditionWidgets& w, bool checked) {
  std::string error;
  if (!session_.set.Back().SetEnabled(w.number, checked, &error)) app_.shell.Inform(this, Q(error));
  ShowCondition(w);
}

void ZhBackPage::PickConditionValues(const ConditionWidgets& w) {
  const BackCondition* c = FindBackCondition(w.number);
  if (!c || !session_.set.Back().Condition(w.number).enabled) return;
  const PickRequest request =
      ConditionPickRequest({c->pickerFrom, c->pickerTo, c->checkList, c->pickerCurrent, c->key},
                           session_.set.Back().Condition(w.number).values, app_.Table(), app_.env);
  const auto picked = Dialogs().pick(this, request);
  if (!picked) return;
  std::string error;
  const auto values = ValueSet::From(std::vector<int32_t>(picked->begin(), picked->end()), &error);
  if (!values || !session_.set.Back().SetValues(w.number, *values, &error))
    app_.shell.Inform(this, Q(error));
  ShowCondition(w);
}

void ZhBackPage::ToleranceChanged() {
  BackTolerance t;
  t.enabled = cb_f_rcnumlimit->isChecked();
  t.limit = combo_f_rcnum->currentText().trimmed().toInt();
  std::string error;
  if (!session_.set.Back().SetTolerance(t, &error)) app_.shell.Inform(this, Q(error));
  combo_f_rcnum->setEnabled(session_.set.Back().Tolerance().enabled);
}

void ZhBackPage::PickPool() {
  PickRequest request;
  request.first = 1;
  request.last = kBackMax;
  request.selected = session_.set.Back().PoolNumbers();
  const auto picked = Dialogs().pick(this, request);
  if (!picked) return;
  std::string error;
  if (!session_.set.Back().SetPool(*picked, &error)) app_.shell.Inform(this, Q(error));
  ShowNumbers();
}

void ZhBackPage::PickBankers() {
  PickRequest request;
  request.first = 1;
  request.last = kBackMax;
  request.selected = session_.set.Back().BankerNumbers();
  const auto picked = Dialogs().pick(this, request);
  if (!picked) return;
  // More than two bankers: the message, and the back bankers are cleared.
  std::string error;
  if (!session_.set.Back().SetBankers(*picked, &error)) app_.shell.Inform(this, Q(error));
  ShowNumbers();
}

void ZhBackPage::Reset() {
  session_.set.Back().Reset();
  ShowConditions();
}

void ZhBackPage::Filter() {
  const RunOutcome out = RunBackFilter(PrepareRun(app_, session_), session_.set, session_.back);
  if (!out.Done()) {
    if (out.status == RunStatus::kForecastCleared) TableChanged(app_);
    app_.shell.Inform(this, Q(out.message));
    return;
  }
  ShowList(out.elapsedMicros);
  window_.setWindowTitle(Q(out.caption));
}

void ZhBackPage::SaveSet() {
  const QString name = app_.shell.SaveFileName(this, QStringLiteral("保存副区过滤条件"), Root(app_),
                                               QStringLiteral("过滤条件格式文件(*.fh)"));
  if (name.isEmpty()) return;
  std::string error;
  const std::string path = WithConditionExtension(name.toStdString(), ".fh");
  if (!SaveBackSet(session_.set.Back(), path, &error)) app_.shell.Inform(this, Q(error));
}

void ZhBackPage::LoadSet() {
  const QString name =
      app_.shell.OpenFileName(this, QStringLiteral(" 打开副区过滤条件存储文件"), Root(app_),
                              QStringLiteral("副区过滤条件格式文件(*.fh)"));
  if (name.isEmpty()) return;
  const LoadReport report = LoadBackSet(name.toStdString(), session_.set.Back());
  ShowConditions();
  if (!report.message.empty()) app_.shell.Inform(this, Q(report.message));
}

// --- the back list ------------------------------------------------------------

void ZhBackPage::ShowList(std::optional<int64_t> elapsedMicros) {
  model_->Show(Header(), session_.back.Count());
  l_fq_status->Show(session_.back.Count(), elapsedMicros);
  window_.setWindowTitle(Q(session_.back.Caption()));
}

int ZhBackPage::SelectedRecord() const {
  const QModelIndexList rows = sg_fqresult->selectionModel()->selectedRows();
  const int row = rows.isEmpty() ? -1 : rows.first().row();
  return session_.back.Valid(row + 1) ? row + 1 : 0;
}

void ZhBackPage::DeletePair() {
  const int k = SelectedRecord();
  if (k == 0) {
    app_.shell.Inform(this, QStringLiteral("请先在上边的列表中选择一组需要删除的号码"));
    return;
  }
  session_.back.Delete(k);
  ShowList();
}

void ZhBackPage::EditPair() {
  const int k = SelectedRecord();
  if (k == 0) {
    app_.shell.Inform(this, QStringLiteral("请先在上边的列表中选择一组需要修改的号码"));
    return;
  }
  const BackPair& p = session_.back.At(k);
  const auto texts = EditNumbers(
      app_, this, {"1", "2", "3", "4", "5", std::to_string(p[0]), std::to_string(p[1])});
  if (!texts || !RunListStep(app_, this, [&](std::string* error) {
        return session_.back.ReplaceTyped(k, {(*texts)[5], (*texts)[6]}, error);
      }))
    return;
  ShowList();
}

void ZhBackPage::AppendPair() {
  const auto texts = EditNumbers(app_, this, {});
  if (!texts || !RunListStep(app_, this, [&](std::string* error) {
        return session_.back.AppendTyped({(*texts)[5], (*texts)[6]}, error);
      }))
    return;
  ShowList();
}

void ZhBackPage::SavePairs() {
  SaveListFile(app_, this, QStringLiteral("保存副区组号结果"),
               [&](const std::string& path, std::string* error) {
                 return SaveBackResults(session_.back, path, error);
               });
}

void ZhBackPage::LoadPairs() {
  if (LoadListFile(app_, this, QStringLiteral(" 打开副区组号结果存储文件"),
                   [&](const std::string& path, std::string* error) {
                     return LoadBackResults(session_.back, path, error);
                   }))
    ShowList();
}

void ZhBackPage::PairToForecast() {
  const QModelIndexList rows = sg_fqresult->selectionModel()->selectedRows();
  const int k = session_.back.RecordForForecast(rows.isEmpty() ? 1 : rows.first().row() + 1);
  if (k == 0) {  // an empty list has no pair to give
    app_.shell.Inform(this, Q(kNoBackResultsMessage));
    return;
  }
  WriteBackPairForecast(app_.Table(), session_.back.At(k));
  TableChanged(app_);
}

void ZhBackPage::ClearForecast() {
  if (dlt::ClearForecast(app_.Table())) TableChanged(app_);
}

}  // namespace dlt::gui
