#include "gui/killnum/tdsh_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTableView>

#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "gui/common/grid_view.h"
#include "gui/killnum/kill_grid_model.h"
#include "gui/killnum/killnum_widgets.h"
#include "gui/killnum/tf_collectgs.h"
#include "gui/killnum/tf_selfsh_set.h"
#include "gui/killnum/tf_tdsh.h"

namespace dlt::gui {
namespace {

const char* const kSchemeNames[] = {"方案一", "方案二", "方案三", "方案四", "方案五",
                                    "方案六", "方案七", "方案八", "方案九", "方案十"};

QString Name(const char* pattern, const char* stem) {
  return QString::fromLatin1(pattern).arg(QString::fromLatin1(stem));
}

QComboBox* Numbers(QWidget* parent, const QString& name, int last) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  for (int n = 1; n <= last; ++n) c->addItem(QString::number(n));
  return c;
}

const QString kSetFilter = QStringLiteral("公式集文件(*.txt)");
const QString kCustomFilter = QStringLiteral("自定义杀号(*.scs)");

}  // namespace

TdshPage::TdshPage(AppContext& app, Tf_tdsh& window, const TdshTabSetup& setup, QWidget* parent)
    : QWidget(parent),
      app_(app),
      window_(window),
      setup_(setup),
      book_(LayoutOf(setup.kind).slotCount) {
  setObjectName(Name("ts_%1", setup.stem));
  const SchemeLayout& layout = LayoutOf(setup.kind);
  if (*layout.file) {
    std::string error;
    if (auto loaded = LoadSchemeFile(BookPath(), layout.slotCount, &error))
      book_ = std::move(*loaded);
    else
      app_.shell.Inform(this, QString::fromStdString(error));
  }
  Build();
  count_->setCurrentIndex(layout.defaultCount - 1);
  CountChosen();
  ShowCustomSet();
}

const SchemeBook& TdshPage::Book() const {
  return setup_.kind == KillKind::Custom ? custom_.book : book_;
}
SchemeBook& TdshPage::MutableBook() {
  return setup_.kind == KillKind::Custom ? custom_.book : book_;
}
int TdshPage::Scheme() const {
  return fa_->currentIndex() + 1;
}
int TdshPage::Count() const {
  return count_->currentIndex() + 1;
}
int TdshPage::Slot() const {
  return slot_->currentIndex() + 1;
}
std::vector<std::string> TdshPage::Formulas() const {
  return Book().Scheme(Scheme(), Count());
}

std::string TdshPage::BookPath() const {
  return app_.folder.Path(LayoutOf(setup_.kind).file);
}

QPushButton* TdshPage::Button(const char* name, const QString& caption) {
  return NamedButton(this, qPrintable(Name(name, setup_.stem)), caption);
}

void TdshPage::Build() {
  const bool banker = IsBanker(setup_.kind);
  const bool custom = setup_.kind == KillKind::Custom;
  auto* layout = new QVBoxLayout(this);
  auto* top = new QGridLayout;
  layout->addLayout(top);

  fa_ = new QComboBox(this);
  fa_->setObjectName(Name("cb_%1_fa", setup_.stem));
  for (const char* n : kSchemeNames) fa_->addItem(QString::fromUtf8(n));
  count_ = Numbers(this, Name("cb_%1_gsgs", setup_.stem), LayoutOf(setup_.kind).slotCount);
  slot_ = new QComboBox(this);
  slot_->setObjectName(QString::fromLatin1(setup_.slotPicker));
  start_ = new QComboBox(this);
  start_->setObjectName(Name("cb_%1_qsq", setup_.stem));
  QPushButton* analyse = Button("b_%1_analyse", QStringLiteral("开始分析"));
  top->addWidget(new QLabel(QStringLiteral("方案："), this), 0, 0);
  top->addWidget(fa_, 0, 1);
  top->addWidget(
      new QLabel(banker ? QStringLiteral("可用提胆公式个数") : QStringLiteral("可用杀号公式个数"),
                 this),
      0, 2);
  top->addWidget(count_, 0, 3);
  top->addWidget(
      new QLabel(banker ? QStringLiteral("提胆公式序号") : QStringLiteral("杀号公式序号"), this), 0,
      4);
  top->addWidget(slot_, 0, 5);
  top->addWidget(new QLabel(QStringLiteral("起始期"), this), 0, 6);
  top->addWidget(start_, 0, 7);
  top->addWidget(analyse, 0, 8);

  edit_ = new QLineEdit(this);
  edit_->setObjectName(Name("e_%1", setup_.stem));
  QPushButton* aid = NamedButton(this, setup_.aidButton, QStringLiteral("辅助输入"));
  QPushButton* confirm = Button("b_%1_modify", QStringLiteral("确认修改"));
  QPushButton* collect = Button("b_%1_collect", QStringLiteral("收集当前公式"));
  QPushButton* import = Button("b_%1_import", QStringLiteral("导入公式文件"));
  top->addWidget(edit_, 1, 0, 1, 5);
  top->addWidget(aid, 1, 5);
  top->addWidget(confirm, 1, 6);
  top->addWidget(collect, 1, 7);
  top->addWidget(import, 1, 8);
  top->setColumnStretch(9, 1);
  if (custom) layout->addWidget(BuildCustomRow());
  layout->addWidget(BuildTools());

  model_ = new KillGridModel(this);
  grid_ = new QTableView(this);
  grid_->setObjectName(Name("sg_%1", setup_.stem));
  grid_->setModel(model_);
  SetUpGridView(grid_, app_.shell, 20);
  grid_->horizontalHeader()->hide();
  layout->addWidget(grid_, 1);
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName(Name("m_%1_hm", setup_.stem));
  memo_->setReadOnly(true);
  memo_->setMaximumHeight(60);
  progress_ = new QProgressBar(this);
  progress_->setObjectName(Name("pb_%1", setup_.stem));
  progress_->setMaximumHeight(14);
  progress_->setTextVisible(false);
  layout->addWidget(memo_);
  layout->addWidget(progress_);

  connect(fa_, &QComboBox::activated, this, &TdshPage::SchemeChosen);
  connect(count_, &QComboBox::activated, this, &TdshPage::CountChosen);
  connect(slot_, &QComboBox::activated, this, &TdshPage::ShowSlot);
  connect(start_, &QComboBox::activated, this, &TdshPage::RunAnalysis);
  connect(analyse, &QPushButton::clicked, this, &TdshPage::RunAnalysis);
  connect(aid, &QPushButton::clicked, this, &TdshPage::OpenFormulaAid);
  connect(confirm, &QPushButton::clicked, this, &TdshPage::ConfirmEdit);
  connect(collect, &QPushButton::clicked, this, &TdshPage::CollectFormula);
  connect(import, &QPushButton::clicked, this, &TdshPage::ImportFormulas);
  connect(grid_, &QTableView::clicked, this, [this](const QModelIndex& i) { RowClicked(i.row()); });
}

QWidget* TdshPage::BuildCustomRow() {
  auto* row = new QWidget(this);
  auto* l = new QHBoxLayout(row);
  l->setContentsMargins(0, 0, 0, 0);
  e_selfsh_zb = new QLineEdit(row);
  e_selfsh_zb->setObjectName("e_selfsh_zb");
  e_qzfrom = new QLineEdit(row);
  e_qzfrom->setObjectName("e_qzfrom");
  e_qzto = new QLineEdit(row);
  e_qzto->setObjectName("e_qzto");
  for (QLineEdit* e : {e_selfsh_zb, e_qzfrom, e_qzto}) e->setReadOnly(true);
  e_qzfrom->setMaximumWidth(60);
  e_qzto->setMaximumWidth(60);
  QPushButton* load = NamedButton(row, "b_selfsh_load", QStringLiteral("载入自定义杀号"));
  QPushButton* make = NamedButton(row, "b_selfsh_new", QStringLiteral("产生自定义杀号"));
  l->addWidget(new QLabel(QStringLiteral("要杀号的指标:"), row));
  l->addWidget(e_selfsh_zb, 1);
  l->addWidget(e_qzfrom);
  l->addWidget(new QLabel(QStringLiteral("<=指标取值范围<="), row));
  l->addWidget(e_qzto);
  l->addWidget(load);
  l->addWidget(make);
  connect(load, &QPushButton::clicked, this, &TdshPage::LoadCustomSet);
  connect(make, &QPushButton::clicked, this, &TdshPage::NewCustomSet);
  return row;
}

QWidget* TdshPage::BuildTools() {
  const bool banker = IsBanker(setup_.kind);
  const bool custom = setup_.kind == KillKind::Custom;
  auto* row = new QWidget(this);
  auto* l = new QHBoxLayout(row);
  l->setContentsMargins(0, 0, 0, 0);
  const struct {
    const char* name;
    QString caption;
    std::function<void()> action;
  } tools[] = {
      {"b_%1_search", QStringLiteral("单个公式搜索"), [this] { OpenSearch(false); }},
      {"b_%1_bettersearch", QStringLiteral("更优公式搜索"), [this] { OpenSearch(true); }},
      {"b_%1_optimize", QStringLiteral("优化当前方案"), [this] { OpenOptimisation(); }},
      {"b_%1_jjtj", QStringLiteral("交集统计"), [this] { ShowIntersection(); }},
      {"b_%1_export", banker ? QStringLiteral("导出提胆数据") : QStringLiteral("导出杀号数据"),
       [this] { ExportGrid(); }},
      {"b_%1_sortrate", QStringLiteral("按准确率排序"), [this] { SortByRate(); }},
      {"b_%1_sortfreq", QStringLiteral("按频率排序"), [this] { ShowByFrequency(); }},
      {"b_%1_tofilter", custom ? QStringLiteral("转换成过滤条件") : QStringLiteral("预测转至过滤"),
       [this] { SendToFilter(); }},
  };
  for (const auto& t : tools) {
    QPushButton* b = Button(t.name, t.caption);
    l->addWidget(b);
    connect(b, &QPushButton::clicked, this, t.action);
  }
  l->addStretch();
  return row;
}

void TdshPage::HistoryChanged() {
  const KillHistory& h = window_.History();
  FillDrawPicker(*start_, h, h.DefaultStart());
  due_ = true;
}

void TdshPage::RunAnalysis() {
  const KillHistory& h = window_.History();
  int start = PickedDraw(*start_, h);
  if (start < 0) start = h.DefaultStart();
  KillTarget target;
  target.kind = setup_.kind;
  if (setup_.kind == KillKind::Custom) {
    target.indicator = custom_.indicator;
    target.from = custom_.from;
    target.to = custom_.to;
  }
  analysis_ = AnalyseScheme(h, target, Formulas(), start);
  due_ = false;
  model_->SetRows(BuildKillGrid(*analysis_, h));
  grid_->resizeColumnsToContents();
  // The last row, as after the run in the original grid.
  grid_->setCurrentIndex(model_->index(model_->rowCount() - 1, 1));
  progress_->setRange(0, analysis_->judgedRows + 1);
  progress_->setValue(analysis_->judgedRows + 1);
  memo_->clear();
  if (analysis_->indicatorError)
    app_.shell.Inform(
        this, QStringLiteral("公式有误:") + QString::fromStdString(*analysis_->indicatorError));
  if (analysis_->fault) app_.shell.Inform(this, QString::fromStdString(analysis_->FaultMessage()));
}

void TdshPage::SchemeChosen() {
  if (setup_.kind == KillKind::Custom) slot_->setCurrentIndex(0);
  ShowSlot();
  RunAnalysis();
}

void TdshPage::CountChosen() {
  slot_->clear();
  for (int n = 1; n <= Count(); ++n) slot_->addItem(QString::number(n));
  slot_->setCurrentIndex(0);
  ShowSlot();
  if (window_.HasHistory()) RunAnalysis();
}

void TdshPage::ShowSlot() {
  edit_->setText(QString::fromStdString(Book().Formula(Scheme(), Slot())));
}

void TdshPage::RowClicked(int row) {
  if (!analysis_ || row < 0 || row >= static_cast<int>(model_->Rows().size())) return;
  const int r = model_->Rows()[static_cast<size_t>(row)].analysisRow;
  if (r < 0) return;
  memo_->setPlainText(
      QString::fromStdString(RowNumbersText(*analysis_, analysis_->rows[static_cast<size_t>(r)])));
}

void TdshPage::OpenFormulaAid() {
  if (!app_.hooks.formulaInputAid) return;
  if (auto formula = app_.hooks.formulaInputAid(this)) edit_->setText(formula->trimmed());
}

bool TdshPage::SaveBook() {
  std::string error;
  bool saved = true;
  if (setup_.kind != KillKind::Custom) {
    saved = SaveSchemeFile(BookPath(), book_, &error);
  } else {
    if (customPath_.isEmpty()) {
      const QString name =
          app_.shell.SaveFileName(this, QStringLiteral(" 保存自定义杀号存储文件"),
                                  QString::fromStdString(app_.folder.SaveDir()), kCustomFilter);
      if (name.isEmpty()) return false;
      customPath_ = QString::fromStdString(WithExtension(name.toStdString(), ".scs"));
    }
    saved = SaveCustomKillSet(customPath_.toStdString(), custom_, &error);
  }
  if (!saved) app_.shell.Inform(this, QString::fromStdString(error));
  return saved;
}

void TdshPage::ConfirmEdit() {
  const QString formula = edit_->text().trimmed();
  if (const QString error = FormulaEntryError(window_.History(), formula); !error.isEmpty()) {
    app_.shell.Inform(this, QStringLiteral("公式有误:") + error);
    return;
  }
  MutableBook().SetFormula(Scheme(), Slot(), formula.toStdString());
  edit_->setText(formula);
  SaveBook();
  RunAnalysis();
}

void TdshPage::CollectFormula() {
  auto* collection = app_.windows->Get<Tf_collectgs>();
  if (!collection) return;
  collection->show();
  collection->raise();
  collection->Collect(edit_->text());
}

void TdshPage::ImportFormulas() {
  const QString name =
      app_.shell.OpenFileName(this, QStringLiteral(" 打开公式集文件"),
                              QString::fromStdString(app_.folder.SaveDir()), kSetFilter);
  if (name.isEmpty()) return;
  std::string error;
  const auto formulas = LoadFormulaSet(name.toStdString(), &error);
  if (!formulas) {
    app_.shell.Inform(this, QString::fromStdString(error));
    return;
  }
  FillScheme(*formulas);
}

void TdshPage::FillScheme(const std::vector<std::string>& texts) {
  MutableBook().Fill(Scheme(), texts);
  ShowSlot();
  RunAnalysis();
}

void TdshPage::ShowCustomSet() {
  if (setup_.kind != KillKind::Custom) return;
  e_selfsh_zb->setText(QString::fromStdString(custom_.indicator));
  e_qzfrom->setText(QString::number(custom_.from));
  e_qzto->setText(QString::number(custom_.to));
}

void TdshPage::LoadCustomSet() {
  const QString name =
      app_.shell.OpenFileName(this, QStringLiteral(" 打开自定义杀号存储文件"),
                              QString::fromStdString(app_.folder.SaveDir()), kCustomFilter);
  if (name.isEmpty()) return;
  std::string error;
  auto set = LoadCustomKillSet(name.toStdString(), &error);
  if (!set) {
    app_.shell.Inform(this, QString::fromStdString(error));
    return;
  }
  custom_ = std::move(*set);
  customPath_ = name;
  ShowCustomSet();
  slot_->setCurrentIndex(0);
  ShowSlot();
  RunAnalysis();
}

// A new set: the indicator and range chosen in the chooser, the formulas
// of the tab kept, saved under a new name.
void TdshPage::NewCustomSet() {
  auto* chooser = app_.windows->Get<Tf_selfsh_set>();
  if (!chooser) return;
  chooser->setWindowTitle(QStringLiteral("自定义杀号设置"));
  if (app_.shell.ExecDialog(*chooser) != QDialog::Accepted) return;
  const std::string indicator = chooser->Indicator().toStdString();
  const int from = std::min(chooser->From(), chooser->To());
  const int to = std::max(chooser->From(), chooser->To());
  // Only what the set's file can hold again.
  if (const std::string why = KillRangeError(indicator, from, to); !why.empty()) {
    app_.shell.Inform(this, QString::fromStdString(why));
    return;
  }
  const CustomKillSet before = custom_;
  const QString pathBefore = customPath_;
  custom_.indicator = indicator;
  custom_.from = from;
  custom_.to = to;
  customPath_.clear();
  if (!SaveBook()) {
    custom_ = before;
    customPath_ = pathBefore;
    return;
  }
  ShowCustomSet();
  RunAnalysis();
}

}  // namespace dlt::gui
