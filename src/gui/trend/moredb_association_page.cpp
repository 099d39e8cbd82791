#include "gui/trend/moredb_association_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include "common/numbers.h"
#include "common/text.h"
#include "gui/analysis/analysis_handoff.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/generator/value_pickers.h"
#include "gui/trend/cell_look_delegate.h"
#include "gui/trend/indicator_choice.h"
#include "history/draw_table.h"
#include "history/draw_text_io.h"

namespace dlt::gui {
namespace {

QString ValuesText(const std::vector<int32_t>& values) {
  QString text;
  for (int32_t v : values) text += QString::number(v) + QStringLiteral("  ");
  return text;
}

}  // namespace

AssociationModel::AssociationModel(const DrawTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

void AssociationModel::Set(Association a, int conditions) {
  beginResetModel();
  result_ = std::move(a);
  k_ = conditions;
  endResetModel();
}

int AssociationModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(result_.rows.size());
}

int AssociationModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 2 * (k_ + 8);
}

QVariant AssociationModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  return QString::fromStdString(
      AssociationCell(table_.Draws(), result_.rows[index.row()], k_, index.column()));
}

QVariant AssociationModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  const auto headers = AssociationHeaders(k_);
  if (section < 0 || section >= static_cast<int>(headers.size())) return {};
  return QString::fromStdString(headers[section]);
}

AssociationPage::AssociationPage(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  auto* layout = new QVBoxLayout(this);
  model_ = new AssociationModel(app_.Table(), this);
  grid_ = new QTableView(this);
  grid_->setObjectName("sg_glfx");
  grid_->setModel(model_);
  grid_->setItemDelegate(new CellLookDelegate(
      [this](const QModelIndex& i) {
        const int k = model_->Conditions(), block = k + 8;
        if (IsIssueColumn(i.column(), k)) return CellLook{QColor(210, 250, 186), Qt::red};
        const int position = i.column() % block;
        return CellLook{position % 2 ? QColor(138, 237, 156) : QColor(162, 222, 223), Qt::black};
      },
      grid_));
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 8);
  grid_->horizontalHeader()->setStyleSheet(GridHeaderStyle());
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  connect(grid_, &QTableView::doubleClicked, this,
          [this](const QModelIndex& i) { AnalyseColumn(i.column()); });
  layout->addWidget(grid_, 1);

  auto* box = new QGroupBox(this);
  auto* rows = new QVBoxLayout(box);
  auto* numbers = new QHBoxLayout;
  for (int p = 0; p < 7; ++p) {
    const bool back = p >= 5;
    numbers->addWidget(new QLabel(
        back ? QStringLiteral("副号%1").arg(p - 4) : QStringLiteral("主号%1").arg(p + 1), box));
    auto* c = new QComboBox(box);
    c->setObjectName(QStringLiteral("cb_glfx_%1").arg(p + 1));
    c->addItem(QStringLiteral("all"));
    for (int n = 1; n <= (back ? kBackMax : kFrontMax); ++n)
      c->addItem(QString::fromStdString(TwoDigit(n)));
    numbers_[p] = c;
    numbers->addWidget(c);
  }
  numbers->addWidget(new QLabel(QStringLiteral("期号尾数"), box));
  digit_ = new QComboBox(box);
  digit_->setObjectName("cb_glfx_qhw");
  digit_->addItem(QStringLiteral("all"));
  for (int d = 0; d <= 9; ++d) digit_->addItem(QString::number(d));
  numbers->addWidget(digit_);
  frontAny_ = new QCheckBox(QStringLiteral("主号不对位"), box);
  frontAny_->setObjectName("cb_glfx_bdw");
  backAny_ = new QCheckBox(QStringLiteral("副号不对位"), box);
  backAny_->setObjectName("cb_glfx_fhbdw");
  numbers->addWidget(frontAny_);
  numbers->addWidget(backAny_);
  numbers->addStretch();
  rows->addLayout(numbers);
  for (QComboBox* c : numbers_)
    connect(c, &QComboBox::currentIndexChanged, this, &AssociationPage::Fill);
  connect(digit_, &QComboBox::currentIndexChanged, this, &AssociationPage::Fill);
  for (QCheckBox* c : {frontAny_, backAny_})
    connect(c, &QCheckBox::clicked, this, &AssociationPage::Fill);

  auto* conditions = new QGridLayout;
  for (int n = 0; n < 3; ++n) {
    Condition& c = conditions_[n];
    const QString stem = QStringLiteral("glfx_zb%1").arg(n + 1);
    c.enabled =
        new QCheckBox(QStringLiteral("指标") + QString::fromStdString(ChineseNumeral(n + 1)), box);
    c.enabled->setObjectName("cb_" + stem);
    c.enabled->setEnabled(n == 0);
    c.expression = new QLineEdit(box);
    c.expression->setObjectName("e_" + stem + "_choice");
    c.choose =
        NamedButton(box, ("b_" + stem + "_choice").toUtf8().constData(), QStringLiteral("选择"));
    c.values = new QLineEdit(box);
    c.values->setObjectName("e_" + stem + "_qz");
    c.values->setReadOnly(true);
    c.pick = NamedButton(box, ("b_" + stem + "_qz").toUtf8().constData(), QStringLiteral("取值"));
    for (QWidget* w : {static_cast<QWidget*>(c.expression), static_cast<QWidget*>(c.choose),
                       static_cast<QWidget*>(c.values), static_cast<QWidget*>(c.pick)})
      w->setEnabled(false);
    conditions->addWidget(c.enabled, n, 0);
    conditions->addWidget(c.expression, n, 1);
    conditions->addWidget(c.choose, n, 2);
    conditions->addWidget(new QLabel(QStringLiteral("取值:"), box), n, 3);
    conditions->addWidget(c.values, n, 4);
    conditions->addWidget(c.pick, n, 5);
    connect(c.enabled, &QCheckBox::toggled, this, [this, n] { ConditionToggled(n); });
    connect(c.choose, &QPushButton::clicked, this, [this, n] { Choose(n); });
    connect(c.pick, &QPushButton::clicked, this, [this, n] { PickAccepted(n); });
  }
  conditions->setColumnStretch(1, 2);
  conditions->setColumnStretch(4, 3);
  auto* ok = NamedButton(box, "b_glfx_ok", QStringLiteral("确定"));
  connect(ok, &QPushButton::clicked, this, &AssociationPage::Confirm);
  conditions->addWidget(ok, 0, 6);
  rows->addLayout(conditions);

  auto* bottom = new QHBoxLayout;
  count_ = new QLabel(box);
  count_->setObjectName("l_glfx");
  bottom->addWidget(count_, 1);
  auto* exportButton = NamedButton(box, "b_glfx_next_dc", QStringLiteral("导出下期系列开奖数据"));
  connect(exportButton, &QPushButton::clicked, this, &AssociationPage::ExportNextDraws);
  bottom->addWidget(exportButton);
  rows->addLayout(bottom);
  layout->addWidget(box);
}

AssociationSetup AssociationPage::SetupFromControls() const {
  AssociationSetup s;
  for (int p = 0; p < 7; ++p) s.numbers[p] = numbers_[p]->currentIndex();  // 0 is "all"
  s.issueDigit = digit_->currentIndex() - 1;
  s.frontAnyPosition = frontAny_->isChecked();
  s.backAnyPosition = backAny_->isChecked();
  s.conditions = confirmed_;
  return s;
}

void AssociationPage::Fill() {
  const DrawTable& table = app_.Table();
  const AssociationSetup setup = SetupFromControls();
  const AssociationHistory history{table.Draws(), table.ScratchColumn(ScratchField::Test).data(),
                                   &app_.env};
  model_->Set(ComputeAssociation(history, setup), static_cast<int>(setup.conditions.size()));
  count_->setText(QString::fromStdString(AssociationCountText(model_->Result())));
  const QFontMetrics fm = grid_->fontMetrics();
  const int k = model_->Conditions();
  for (int c = 0; c < model_->columnCount(); ++c)
    grid_->setColumnWidth(c,
                          fm.horizontalAdvance(IsIssueColumn(c, k) ? QStringLiteral("  2008001  ")
                                                                   : QStringLiteral(" 红号一 ")));
  if (model_->rowCount() > 0) {
    grid_->setCurrentIndex(model_->index(model_->rowCount() - 1, 0));
    grid_->scrollToBottom();
  }
}

void AssociationPage::ConditionToggled(int n) {
  Condition& c = conditions_[n];
  const bool on = c.enabled->isChecked();
  for (QWidget* w : {static_cast<QWidget*>(c.expression), static_cast<QWidget*>(c.choose),
                     static_cast<QWidget*>(c.values), static_cast<QWidget*>(c.pick)})
    w->setEnabled(on);
  if (n + 1 < 3) {
    QCheckBox* next = conditions_[n + 1].enabled;
    if (!on) next->setChecked(false);  // unchecks the ones after it in turn
    next->setEnabled(on);
  }
}

void AssociationPage::Choose(int n) {
  if (const auto chosen = ChooseIndicator(app_)) conditions_[n].expression->setText(*chosen);
}

void AssociationPage::PickAccepted(int n) {
  Condition& c = conditions_[n];
  PickRequest request;
  request.first = 0;
  request.last = 1000;
  request.checkList = true;
  request.selected.assign(c.accepted.begin(), c.accepted.end());
  const auto picked = PickValues(app_, this, request);
  if (!picked) return;
  c.accepted.assign(picked->begin(), picked->end());
  c.values->setText(ValuesText(c.accepted));
}

void AssociationPage::Confirm() {
  confirmed_.clear();
  for (const Condition& c : conditions_)
    if (c.enabled->isChecked())
      confirmed_.push_back({c.expression->text().trimmed().toStdString(), c.accepted});
  Fill();
  if (!model_->Result().error.empty())
    app_.shell.Inform(this,
                      QStringLiteral("公式有误:") + QString::fromStdString(model_->Result().error));
}

void AssociationPage::AnalyseColumn(int column) {
  const Association& a = model_->Result();
  if (IsIssueColumn(column, model_->Conditions())) return;
  ColumnSeries rows = AssociationColumn(app_.Table().Draws(), a, column);
  if (rows.values.empty()) return;
  // The rows are a series of their own, labelled with their own issues; the
  // history table stays as it is.
  AnalysisSeries s;
  s.values = std::move(rows.values);
  s.draws = std::move(rows.draws);
  TakeRangeOfValues(s);
  s.caption = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
  s.modal = true;
  OpenIndicatorAnalysis(app_, this, s);
}

void AssociationPage::ExportNextDraws() {
  const QString path = app_.shell.SaveFileName(this, QStringLiteral("导出到文本文件"),
                                               QString::fromStdString(app_.folder.Root()),
                                               QStringLiteral("文本文件(*.txt)"));
  if (path.isEmpty()) return;
  const std::vector<Draw> next = NextDraws(app_.Table().Draws(), model_->Result());
  std::string error;
  if (!ExportDraws(next, path.toStdString(), &error)) {
    app_.shell.Inform(this, QString::fromStdString(error));
    return;
  }
  app_.shell.Inform(this, QStringLiteral("已导出%1期到%2")
                              .arg(next.size())
                              .arg(QString::fromStdString(WithTxtExtension(path.toStdString()))));
}

}  // namespace dlt::gui
