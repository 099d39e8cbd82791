#include "gui/trend/fxd_shape_chart_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "gui/analysis/analysis_transfer.h"
#include "gui/analysis/tf_zbpxz.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "gui/trend/fxd_derived_tools.h"
#include "gui/trend/indicator_choice.h"
#include "gui/trend/tf_xtqz.h"
#include "indicators/shape_names.h"

namespace dlt::gui {
namespace {

constexpr const char* kTypeRadios[kShapeRadios] = {
    "rb_dxjo",   "rb_zxjo",    "rb_dxzh",    "rb_zxzh",  "rb_wddxdx",
    "rb_wdzxdx", "rb_wddxdzx", "rb_wdzxdzx", "rb_dx012", "rb_zx012",
    "rb_dxfgz",  "rb_zxfgz",   "rb_dxlgc",   "rb_zxlgc", "rb_morezhzb"};

constexpr const char* kExportDone = "指标组合形态设置现已成功导出到超强组号的自定义指标中";

}  // namespace

ShapeChartPage::ShapeChartPage(FxdContext& fxd, QWidget* parent)
    : DerivedChartPage(fxd,
                       {"i_zbzhxt",
                        "cb_zbzhxt_qs",
                        {"Button45", "e_zbzhxt", "Button46", "Button51", "Button52", "Button53"},
                        "b_zbzhxt_zbpx",
                        "b_zbzhxt_filterset",
                        "过滤设置"},
                       parent) {
  auto* top = new QHBoxLayout;
  auto* formulas = new QGridLayout;
  const char* labels[] = {"指标一：", "指标二：", "指标三："};
  for (int i = 0; i < 3; ++i) {
    formulas_[i] = new QLineEdit(QStringLiteral("z_num%1%10").arg(i + 1), box_);
    formulas_[i]->setObjectName(QStringLiteral("e_zbzhxt_zb%1").arg(i + 1));
    formulas_[i]->setMinimumWidth(220);
    choose_[i] = NamedButton(box_, QStringLiteral("b_zbzhxt_zb%1").arg(i + 1).toUtf8().constData(),
                             QStringLiteral("选择"));
    connect(choose_[i], &QPushButton::clicked, this, [this, i] {
      if (auto chosen = ChooseIndicator(fxd_.app)) formulas_[i]->setText(*chosen);
    });
    formulas->addWidget(new QLabel(QString::fromUtf8(labels[i]), box_), i, 0);
    formulas->addWidget(formulas_[i], i, 1);
    formulas->addWidget(choose_[i], i, 2);
  }
  rb_zbzhxt_2 = new QRadioButton(QStringLiteral("两个指标组合"), box_);
  rb_zbzhxt_2->setObjectName("rb_zbzhxt_2");
  auto* three = new QRadioButton(QStringLiteral("三个指标组合"), box_);
  three->setObjectName("rb_zbzhxt_3");
  auto* arity = new QButtonGroup(this);
  arity->addButton(rb_zbzhxt_2, 2);
  arity->addButton(three, 3);
  rb_zbzhxt_2->setChecked(true);
  auto* arityRow = new QHBoxLayout;
  arityRow->addWidget(rb_zbzhxt_2);
  arityRow->addWidget(three);
  auto* refresh = NamedButton(box_, "b_zbzhxt_refresh", QStringLiteral("更新"));
  arityRow->addWidget(refresh);
  arityRow->addStretch(1);
  formulas->addLayout(arityRow, 3, 0, 1, 3);
  top->addLayout(formulas);

  auto* typeGrid = new QGridLayout;
  types_ = new QButtonGroup(this);
  for (int t = 0; t < kShapeRadios; ++t) {
    const std::string caption = t < kShapeRadios - 1 ? ShapeTypeName(t, 2) : "更多组合指标";
    auto* rb = new QRadioButton(QString::fromStdString(caption), box_);
    rb->setObjectName(kTypeRadios[t]);
    types_->addButton(rb, t);
    typeGrid->addWidget(rb, t % 2, t / 2);
  }
  types_->button(0)->setChecked(true);
  cb_morezhzb = new QComboBox(box_);
  cb_morezhzb->setObjectName("cb_morezhzb");
  for (int t = kShapeRadios - 1; t < ShapeTypeCount(3); ++t)
    cb_morezhzb->addItem(QString::fromStdString(ShapeTypeName(t, 3)));
  typeGrid->addWidget(cb_morezhzb, 1, kShapeRadios / 2);
  m_zbzhxt = new QPlainTextEdit(box_);
  m_zbzhxt->setObjectName("m_zbzhxt");
  m_zbzhxt->setReadOnly(true);
  m_zbzhxt->setFixedHeight(48);
  auto* right = new QVBoxLayout;
  right->addLayout(typeGrid);
  right->addWidget(m_zbzhxt);
  top->addLayout(right, 1);
  options_->addLayout(top);

  connect(types_, &QButtonGroup::idClicked, this, [this] { Redraw(); });
  connect(cb_morezhzb, &QComboBox::currentIndexChanged, this, [this] { Redraw(); });
  connect(refresh, &QPushButton::clicked, this, [this] { Redraw(); });
  connect(arity, &QButtonGroup::idClicked, this, [this](int n) {
    SetArity(n);
    Redraw();
  });
  SetArity(2);
}

void ShapeChartPage::SetArity(int arity) {
  const bool three = arity == 3;
  QAbstractButton* more = types_->button(kShapeRadios - 1);
  if (!three && more->isChecked()) types_->button(0)->setChecked(true);
  for (QWidget* w : std::initializer_list<QWidget*>{formulas_[2], choose_[2], more, cb_morezhzb})
    w->setEnabled(three);
}

int ShapeChartPage::Arity() const {
  return rb_zbzhxt_2->isChecked() ? 2 : 3;
}

int ShapeChartPage::Type() const {
  return ShapeTypeOf(types_->checkedId(), cb_morezhzb->currentIndex(), Arity());
}

std::string ShapeChartPage::Key() const {
  std::vector<std::string> texts;
  for (int i = 0; i < Arity(); ++i) texts.push_back(formulas_[i]->text().toStdString());
  return ShapeKey(texts, Type());
}

std::optional<std::string> ShapeChartPage::BuildText() {
  m_zbzhxt->setPlainText(QString::fromStdString(ShapeLegend(Type(), Arity())));
  m_zbzhxt->moveCursor(QTextCursor::Start);
  return ShapeFormula(Key());
}

void ShapeChartPage::Analyse() {
  const QString formula = QString::fromStdString(ShapeFormula(Key()));
  AnalyseText(fxd_.app, formula, (QStringLiteral("指标组合形态") + formula).trimmed());
}

void ShapeChartPage::Transfer() {
  AppContext& app = fxd_.app;
  if (auto* analysis = app.windows ? app.windows->Get<Tf_zbpxz>() : nullptr) analysis->close();
  const int type = Type();
  const std::string key = Key();
  const std::vector<std::string> items = ShapeValueItems(type, Arity());
  if (items.empty()) {
    // Numeric shapes have no names: the user picks their values in the generator.
    OpenCustomIndicatorEntry(app, QString::fromStdString(ShapeFormula(key)));
    return;
  }
  auto* dialog = app.windows ? app.windows->Get<Tf_xtqz>() : nullptr;
  if (!dialog) return;
  QStringList list;
  for (const std::string& item : items) list << QString::fromStdString(item);
  dialog->SetItems(list);
  dialog->SetKey(key);
  if (app.shell.ExecDialog(*dialog) != QDialog::Accepted) return;
  TransferToGenerator(app, this, ShapeFormula(key), dialog->CheckedValues(), dialog->Tolerant(),
                      QString::fromUtf8(kExportDone));
}

}  // namespace dlt::gui
