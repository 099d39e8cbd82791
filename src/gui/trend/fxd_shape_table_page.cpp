#include "gui/trend/fxd_shape_table_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "chart/tcoordinate.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/trend/fxd_derived_tools.h"
#include "gui/trend/fxd_shape_chart_page.h"
#include "gui/trend/indicator_choice.h"
#include "gui/trend/text_grid.h"
#include "history/draw_table.h"
#include "trend/shape_table.h"

namespace dlt::gui {

ShapeTablePage::ShapeTablePage(FxdContext& fxd, ShapeChartPage& twin, QWidget* parent)
    : FxdPage(parent), fxd_(fxd) {
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  auto* formulas = new QGridLayout;
  const char* labels[] = {"指标一：", "指标二：", "指标三："};
  for (int i = 0; i < 3; ++i) {
    formulas_[i] = new QLineEdit(twin.Formula(i)->text(), this);
    formulas_[i]->setObjectName(QStringLiteral("e_zhxtdb_zb%1").arg(i + 1));
    formulas_[i]->setMinimumWidth(200);
    LinkTwins(formulas_[i], twin.Formula(i));
    choose_[i] = NamedButton(this, QStringLiteral("b_zhxtdb_zb%1").arg(i + 1).toUtf8().constData(),
                             QStringLiteral("选择"));
    connect(choose_[i], &QPushButton::clicked, this, [this, i] {
      if (auto chosen = ChooseIndicator(fxd_.app)) formulas_[i]->setText(*chosen);
    });
    formulas->addWidget(new QLabel(QString::fromUtf8(labels[i]), this), 0, i * 3);
    formulas->addWidget(formulas_[i], 0, i * 3 + 1);
    formulas->addWidget(choose_[i], 0, i * 3 + 2);
  }
  top->addLayout(formulas);
  auto* two = new QRadioButton(QStringLiteral("两个指标组合"), this);
  two->setObjectName("rb_zhxtdb_2zb");
  rb_zhxtdb_3zb = new QRadioButton(QStringLiteral("三个指标组合"), this);
  rb_zhxtdb_3zb->setObjectName("rb_zhxtdb_3zb");
  auto* arity = new QButtonGroup(this);
  arity->addButton(two, 2);
  arity->addButton(rb_zhxtdb_3zb, 3);
  two->setChecked(true);
  top->addWidget(two);
  top->addWidget(rb_zhxtdb_3zb);
  top->addStretch(1);
  layout->addLayout(top);

  auto* range = new QHBoxLayout;
  from_ = new QComboBox(this);
  from_->setObjectName("cb_zhxtdb_startfrom");
  to_ = new QComboBox(this);
  to_->setObjectName("cb_zhxtdb_to");
  range->addWidget(from_);
  range->addWidget(new QLabel(QStringLiteral("<=分析区域<="), this));
  range->addWidget(to_);
  auto* refresh = NamedButton(this, "b_zhxtdb_refresh", QStringLiteral("更新"));
  range->addWidget(refresh);
  range->addStretch(1);
  layout->addLayout(range);

  model_ = new TextGridModel(this);
  auto* delegate = new TextGridDelegate(false, this);
  grid_ = MakeTextGrid(this, "sg_zhxtdb", model_, delegate);
  layout->addWidget(grid_, 1);

  connect(arity, &QButtonGroup::idClicked, this, [this](int n) {
    SetArity(n == 3);
    Fill();
  });
  for (QComboBox* box : {from_, to_})
    connect(box, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
  connect(refresh, &QPushButton::clicked, this, [this] { Fill(); });
  SetArity(false);
  FormShow();
}

void ShapeTablePage::SetArity(bool three) {
  formulas_[2]->setEnabled(three);
  choose_[2]->setEnabled(three);
}

void ShapeTablePage::FormShow() {
  FillIssueRange(fxd_.Table(), from_, to_);
}

void ShapeTablePage::Fill() {
  const DrawTable& table = fxd_.Table();
  const int arity = rb_zhxtdb_3zb->isChecked() ? 3 : 2;
  std::vector<std::string> formulas;
  for (int i = 0; i < arity; ++i) formulas.push_back(formulas_[i]->text().toStdString());
  const int fixed = arity + 2;

  std::vector<QStringList> rows;
  QStringList header;
  for (const std::string& h : ShapeTableHeaders(arity)) header << QString::fromStdString(h);
  const auto& draws = table.Draws();
  int first = -1;
  const QString start = from_->currentText().trimmed();
  for (size_t i = 0; i < draws.size() && first < 0; ++i)
    if (QString::number(draws[i].qs) == start) first = static_cast<int>(i);
  const int count = RangeRows(from_->currentIndex(), to_->currentIndex());
  for (const ShapeTableRow& r : ShapeTable(draws, &fxd_.app.env, formulas, first, count)) {
    QStringList cells{QString::fromStdString(IssueText(r.qs)), QString::fromStdString(r.numbers)};
    for (int32_t v : r.values) cells << QString::number(v);
    for (const std::string& s : r.shapes) cells << QString::fromStdString(s);
    rows.push_back(cells);
  }
  model_->SetRows(header, std::move(rows));
  static_cast<TextGridDelegate*>(grid_->itemDelegate())->SetShapeFrom(fixed);

  const QFontMetrics fm = grid_->fontMetrics();
  grid_->setColumnWidth(0, fm.horizontalAdvance(QStringLiteral(" 2009001 ")) + 8);
  grid_->setColumnWidth(1, fm.horizontalAdvance(QStringLiteral(" 01 02 03 04 05 06 07 | 08 ")));
  for (int c = 2; c < fixed; ++c)
    grid_->setColumnWidth(c, fm.horizontalAdvance(QStringLiteral(" 指标一 ")));
  for (int c = fixed; c < fixed + 7; ++c)
    grid_->setColumnWidth(c, fm.horizontalAdvance(QStringLiteral(" 尾数大中小 ")));
  grid_->SetFrozenColumns(fixed);
  SelectLastRow(grid_, fixed);
}

}  // namespace dlt::gui
