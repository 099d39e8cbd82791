#include "gui/generator/zh_front_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "generator/condition_files.h"
#include "generator/condition_store.h"
#include "gui/app/app_context.h"
#include "gui/app/long_task.h"
#include "gui/app/masked_edit.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/tdm.h"
#include "gui/app/tf_showpic.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_lshc.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_condition_groups.h"
#include "gui/generator/zh_condition_lists.h"
#include "gui/generator/zh_front_dialogs.h"
#include "gui/generator/zh_front_grid.h"
#include "gui/generator/zh_front_settings.h"
#include "gui/generator/zh_run_texts.h"
#include "gui/generator/zh_session.h"
#include "gui/generator/zh_tools.h"
#include "gui/history/draw_table_model.h"

namespace dlt::gui {
namespace {

const QString kFrontSetFilter = QStringLiteral("主区过滤条件格式文件(*.zh)");

QAction* MakeAction(QMenu* menu, const char* name, const QString& caption) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(name);
  return a;
}

}  // namespace

ZhFrontPage::ZhFrontPage(AppContext& app, ZhSession& session, Tf_zh& window, QWidget* parent)
    : QWidget(parent),
      app_(app),
      session_(session),
      window_(window),
      dialogs_(std::make_unique<ZhFrontDialogs>(ZhFrontDialogs::Real(app))) {
  groups_ = new ZhConditionGroups(app, session, *dialogs_, this);
  lists_ = new ZhConditionLists(app, session, *dialogs_, this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  auto* splitter = new QSplitter(Qt::Vertical, this);
  layout->addWidget(splitter);

  auto* top = new QWidget(splitter);
  auto* topLayout = new QHBoxLayout(top);
  topLayout->setContentsMargins(0, 0, 0, 0);
  PageControl2 = groups_->Build(top);
  lists_->BuildSelfConditions(groups_->Page(QStringLiteral("自设条件")));
  lists_->BuildTailSettings(groups_->Page(QStringLiteral("尾数设置")));
  QWidget* customPage = groups_->Page(QStringLiteral("自定义指标"));
  customPage->setObjectName("ts_zh_selfzb");
  lists_->BuildCustomIndicators(customPage);
  topLayout->addWidget(PageControl2, 1);
  settings_ = new ZhFrontSettings(app, session, *dialogs_, top);
  topLayout->addWidget(settings_, 0, Qt::AlignTop);
  splitter->addWidget(top);

  // The list below, with the modes and the run buttons beside it.
  auto* bottom = new QWidget(splitter);
  auto* bottomLayout = new QHBoxLayout(bottom);
  bottomLayout->setContentsMargins(0, 0, 0, 0);
  grid_ = new ZhFrontGrid(app, session, *dialogs_, bottom);
  bottomLayout->addWidget(grid_, 1);
  bottomLayout->addWidget(BuildActions(), 0, Qt::AlignTop);
  splitter->addWidget(bottom);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 1);

  connect(settings_, &ZhFrontSettings::frontReset, this, [this] { RefreshConditions(false); });
  connect(grid_, &ZhFrontGrid::captionChanged, &window_, &QWidget::setWindowTitle);
  connect(grid_, &ZhFrontGrid::listLoaded, this, [this] { b_contfilter->setEnabled(true); });

  RefreshConditions(false);
}

void ZhFrontPage::AllowContinueFiltering() {
  b_contfilter->setEnabled(true);
}

ZhFrontPage::~ZhFrontPage() = default;

QWidget* ZhFrontPage::BuildActions() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* mode = new QGroupBox(QStringLiteral("组号类型"), box);
  auto* modeLayout = new QVBoxLayout(mode);
  rb_cgzh = new QRadioButton(QStringLiteral("常规组号"), mode);
  rb_cgzh->setObjectName("rb_cgzh");
  rb_jxzh = new QRadioButton(QStringLiteral("机选组号"), mode);
  rb_jxzh->setObjectName("rb_jxzh");
  auto* rb_xzjz = new QRadioButton(QStringLiteral("旋转矩阵"), mode);
  rb_xzjz->setObjectName("rb_xzjz");
  rb_xzjz->setEnabled(false);  // that mode cannot be chosen
  auto* cb_xzjz = new QComboBox(mode);
  cb_xzjz->setObjectName("cb_xzjz");
  cb_xzjz->addItems({QStringLiteral("中五保四"), QStringLiteral("中四保四")});
  cb_xzjz->setEnabled(false);
  me_jxzh = new MaskedEdit(QStringLiteral("9999;_"), mode);
  me_jxzh->setObjectName("me_jxzh");
  me_jxzh->setFixedWidth(60);
  auto* group = new QButtonGroup(mode);
  group->addButton(rb_cgzh);
  group->addButton(rb_jxzh);
  group->addButton(rb_xzjz);
  auto* randomRow = new QHBoxLayout;
  randomRow->addWidget(rb_jxzh);
  randomRow->addWidget(me_jxzh);
  randomRow->addStretch(1);
  auto* matrixRow = new QHBoxLayout;
  matrixRow->addWidget(rb_xzjz);
  matrixRow->addWidget(cb_xzjz);
  matrixRow->addStretch(1);
  modeLayout->addWidget(rb_cgzh);
  modeLayout->addLayout(randomRow);
  modeLayout->addLayout(matrixRow);
  layout->addWidget(mode);

  auto* buttons = new QGridLayout;
  b_filter = NamedButton(box, "b_filter", QStringLiteral("常规过滤 "));
  b_xzsgl = NamedButton(box, "b_xzsgl", QStringLiteral("  过滤后旋转  "));
  b_contfilter = NamedButton(box, "b_contfilter", QStringLiteral("继续过滤  "));
  b_contfilter->setEnabled(false);  // until the first filter or a loaded list
  auto* b_save = NamedButton(box, "b_save", QStringLiteral("保存条件  "));
  auto* b_load = NamedButton(box, "b_load", QStringLiteral("  载入条件  "));
  b_hfoper = NamedButton(box, "b_hfoper", QStringLiteral("恢复操作"));
  auto* b_showcond = NamedButton(box, "b_showcond", QStringLiteral(" 显示条件  "));
  auto* b_condcheck = NamedButton(box, "b_condcheck", QStringLiteral("条件对错"));
  auto* b_groupfilter = NamedButton(box, "b_groupfilter", QStringLiteral("批量过滤"));
  auto* b_backtest = NamedButton(box, "b_backtest", QStringLiteral("历史回测"));
  buttons->addWidget(b_filter, 0, 0);
  buttons->addWidget(b_xzsgl, 0, 1);
  buttons->addWidget(b_contfilter, 1, 0);
  buttons->addWidget(b_groupfilter, 1, 1);
  buttons->addWidget(b_save, 2, 0);
  buttons->addWidget(b_load, 2, 1);
  buttons->addWidget(b_hfoper, 3, 0);
  buttons->addWidget(b_showcond, 3, 1);
  buttons->addWidget(b_condcheck, 4, 0);
  buttons->addWidget(b_backtest, 4, 1);
  layout->addLayout(buttons);

  pm = new QMenu(box);
  pm->setObjectName("pm");
  connect(MakeAction(pm, "n_cgset", QStringLiteral("载入常规过滤条件")), &QAction::triggered, this,
          &ZhFrontPage::LoadStandard);
  connect(MakeAction(pm, "n_fgcgset", QStringLiteral("覆盖常规过滤条件")), &QAction::triggered,
          this, &ZhFrontPage::OverwriteStandard);
  connect(MakeAction(pm, "n_exitset", QStringLiteral("载入上次退出前的过滤条件")),
          &QAction::triggered, this, &ZhFrontPage::LoadExit);
  connect(MakeAction(pm, "n_lastset", QStringLiteral("恢复上一次过滤条件")), &QAction::triggered,
          this, &ZhFrontPage::StepBack);

  connect(rb_cgzh, &QRadioButton::clicked, this, [this] { SetRandomMode(false); });
  connect(rb_jxzh, &QRadioButton::clicked, this, [this] { SetRandomMode(true); });
  connect(b_filter, &QPushButton::clicked, this, [this] { RunFilterClicked(false); });
  connect(b_xzsgl, &QPushButton::clicked, this, [this] { RunFilterClicked(true); });
  connect(b_contfilter, &QPushButton::clicked, this, &ZhFrontPage::RunContinueClicked);
  connect(b_save, &QPushButton::clicked, this, &ZhFrontPage::SaveConditions);
  connect(b_load, &QPushButton::clicked, this, &ZhFrontPage::LoadConditions);
  connect(b_hfoper, &QPushButton::clicked, this,
          [this] { pm->popup(b_hfoper->mapToGlobal(QPoint(0, b_hfoper->height()))); });
  connect(b_showcond, &QPushButton::clicked, this,
          [this] { ShowConditionListReport(app_, session_, this); });
  connect(b_condcheck, &QPushButton::clicked, this,
          [this] { ShowConditionCheckReport(app_, session_, this); });
  connect(b_backtest, &QPushButton::clicked, this, [this] {
    if (auto* window = app_.windows ? app_.windows->Get<Tf_lshc>() : nullptr)
      window->Open([this] { return session_.set; });
  });
  // The batch shows its list and caption itself.
  connect(b_groupfilter, &QPushButton::clicked, this,
          [this] { RunBatchFilter(app_, session_, window_); });
  rb_cgzh->setChecked(true);
  SetRandomMode(false);
  return box;
}

void ZhFrontPage::SetRandomMode(bool random) {
  b_filter->setText(random ? QStringLiteral("机选组号") : QStringLiteral("常规过滤 "));
  b_xzsgl->setEnabled(random);
  me_jxzh->setEnabled(random);
  if (random) {
    me_jxzh->setText(QStringLiteral("10"));
    b_xzsgl->setText(QStringLiteral("过滤后机选"));
  } else {
    me_jxzh->clear();
  }
}

void ZhFrontPage::Inform(const QString& text) {
  app_.shell.Inform(this, text);
}

void ZhFrontPage::RefreshConditions(bool loaded) {
  groups_->Refresh();
  lists_->Refresh(loaded ? ListLineWording::kLoaded : ListLineWording::kAdded);
  settings_->Refresh();
}

void ZhFrontPage::ShowChangedSet() {
  groups_->Refresh();
  lists_->ShowAppended();
  settings_->Refresh();
}

void ZhFrontPage::ShowAppendedSelfCondition(const QString& line) {
  lists_->ShowAppendedSelfCondition(line);
}

void ZhFrontPage::ShowAppendedCustomIndicator(const QString& line) {
  lists_->ShowAppendedCustomIndicator(line);
}

void ZhFrontPage::OfferCustomFormula(const QString& formula) {
  lists_->OfferFormula(formula);
  if (QWidget* page = groups_->Page(QStringLiteral("自定义指标")))
    PageControl2->setCurrentWidget(page);
}

void ZhFrontPage::ClearCustomIndicatorEntry() {
  lists_->ClearCustomEntry();
}

void ZhFrontPage::ShowFirstTab() {
  PageControl2->setCurrentIndex(0);
}

void ZhFrontPage::RefreshList(std::optional<int64_t> elapsedMicros) {
  if (session_.front.Page() == 0 || session_.front.Page() > session_.front.PageCount())
    session_.front.FirstPage();
  if (elapsedMicros)
    grid_->ShowRunResult(*elapsedMicros);
  else
    grid_->ShowChangedList();
}

void ZhFrontPage::RunFilterClicked(bool afterFilter) {
  FilterRequest request;
  if (rb_jxzh->isChecked()) {
    request.mode = afterFilter ? FilterMode::kFilteredRandom : FilterMode::kPureRandom;
    // A blank count means 10.
    const QString count = me_jxzh->text().trimmed();
    request.pickCount = count.isEmpty() ? 10 : count.toInt();
  }
  ConditionSet set = session_.set;
  RunInBackground([set, request](const FilterEnvironment& env,
                                 ResultList& list) { return RunFilter(env, set, list, request); },
                  false);
}

void ZhFrontPage::RunContinueClicked() {
  ConditionSet set = session_.set;
  RunInBackground([set](const FilterEnvironment& env,
                        ResultList& list) { return RunContinueFilter(env, set, list); },
                  true);
}

void ZhFrontPage::RunInBackground(
    const std::function<RunOutcome(const FilterEnvironment&, ResultList&)>& run, bool keepCurrent) {
  FilterEnvironment env = PrepareRun(app_, session_);
  // The run works on its own list so the grid can keep painting the old one;
  // only a finished run replaces it.
  ResultList list;
  if (keepCurrent) list = session_.front;
  RunOutcome outcome;
  window_.setWindowTitle(QString::fromUtf8(keepCurrent ? kScreeningCaption : kFilteringCaption));
  Tf_showpic* box = app_.windows ? app_.windows->Get<Tf_showpic>() : nullptr;
  QString failure;
  if (box) {
    const TaskOutcome task =
        RunLongTask(*box, QString::fromUtf8(kFilteringNotice), true, [&](TaskControl& control) {
          env.progress = [&control](int64_t done, int64_t total) {
            control.SetTotal(static_cast<int>(total));
            control.SetDone(static_cast<int>(done));
            return !control.Cancelled();
          };
          outcome = run(env, list);
        });
    failure = task.error;
  } else {
    outcome = run(env, list);
  }
  if (outcome.status == RunStatus::kForecastCleared && app_.dm) app_.dm->TableChanged();
  if (!failure.isEmpty() || !outcome.Done()) {
    window_.setWindowTitle(QString::fromStdString(session_.front.Caption()));
    Inform(failure.isEmpty() ? QString::fromStdString(outcome.message) : failure);
    return;
  }
  session_.front = std::move(list);
  session_.front.FirstPage();
  b_contfilter->setEnabled(true);
  // After a run with tolerant conditions: how many were kept with 0, 1, ... violations.
  // After a whole enumeration: the part of all combinations the conditions keep.
  std::optional<int64_t> acceptedOfAll;
  if (!keepCurrent && outcome.judged > 0) acceptedOfAll = outcome.accepted;
  grid_->ShowRunResult(
      outcome.elapsedMicros,
      HasTolerantConditions(session_.set) ? outcome.violations : std::vector<int64_t>{},
      acceptedOfAll);
  window_.setWindowTitle(QString::fromStdString(outcome.caption));
  if (!outcome.snapshotError.empty()) Inform(QString::fromStdString(outcome.snapshotError));
}

void ZhFrontPage::SaveConditions() {
  const QString dir = QString::fromStdString(app_.folder.SaveDir());
  QDir().mkpath(dir);
  const QString name =
      app_.shell.SaveFileName(this, QStringLiteral("保存主区过滤条件"), dir, kFrontSetFilter);
  if (name.isEmpty()) return;
  const std::string path = WithConditionExtension(name.toStdString(), ".zh");
  std::string error;
  if (!SaveFrontSet(session_.set, path, &error)) Inform(QString::fromStdString(error));
}

void ZhFrontPage::ShowLoadReport(const LoadReport& report, bool restored) {
  // A missing file touches nothing; a failed load leaves the reset set.
  if (report.ok || report.reset) RefreshConditions(restored);
  if (!report.message.empty()) Inform(QString::fromStdString(report.message));
}

void ZhFrontPage::LoadConditions() {
  const QString dir = QString::fromStdString(app_.folder.SaveDir());
  const QString name = app_.shell.OpenFileName(this, QStringLiteral(" 打开主区过滤条件存储文件"),
                                               dir, kFrontSetFilter);
  if (name.isEmpty()) return;
  const LoadReport report = LoadFrontSet(name.toStdString(), session_.set);
  ShowLoadReport(report, report.ok);
}

void ZhFrontPage::LoadStandard() {
  const LoadReport report = LoadStandardSet(app_.folder, session_.set);
  ShowLoadReport(report, report.ok);
}

void ZhFrontPage::OverwriteStandard() {
  std::string error;
  if (!SaveStandardSet(app_.folder, session_.set, &error)) Inform(QString::fromStdString(error));
}

void ZhFrontPage::LoadExit() {
  const LoadReport report = LoadExitSet(app_.folder, session_.set);
  ShowLoadReport(report, report.ok);
}

void ZhFrontPage::StepBack() {
  const LoadReport report = StepBackSnapshot(app_.folder, session_.ring, session_.set);
  ShowLoadReport(report, report.ok);
}

}  // namespace dlt::gui
