#include "gui/trend/fxd_matrix_filters.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/text.h"
#include "gui/analysis/analysis_handoff.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_session.h"
#include "gui/trend/fxd_context.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

constexpr int kLineBoxes = 11;
const QString kNote = QStringLiteral(
    "注意：超强组号用同一个行列式排列顺序计算所有的行列式过滤条件，即最后一次按“导出到过滤系统”"
    "或“转至过滤设置”时上图所用的排列顺序。");

QLabel* Note(QWidget* parent, const char* name) {
  auto* note = new QLabel(kNote, parent);
  note->setObjectName(name);
  note->setWordWrap(true);
  note->setMaximumWidth(360);
  return note;
}

// The group "列X行" with its two edits.
QGroupBox* GridEdits(QWidget* parent, const char* columns, const char* rows, QLineEdit** n,
                     QLineEdit** h) {
  auto* box = new QGroupBox(QStringLiteral("列X行"), parent);
  auto* row = new QHBoxLayout(box);
  row->addWidget(new QLabel(QStringLiteral("列："), box));
  *n = NamedEdit(box, columns);
  (*n)->setMaximumWidth(50);
  row->addWidget(*n);
  row->addWidget(new QLabel(QStringLiteral("行："), box));
  *h = NamedEdit(box, rows);
  (*h)->setMaximumWidth(50);
  row->addWidget(*h);
  row->addStretch();
  return box;
}

}  // namespace

MatrixFilterPages::MatrixFilterPages(FxdContext& fxd, const MatrixPictureSetup& setup,
                                     QWidget* owner)
    : QObject(owner), fxd_(fxd), setup_(setup), owner_(owner) {}

QWidget* MatrixFilterPages::BuildCountPage() {
  countPage_ = new QWidget;
  countPage_->setObjectName("ts_hns_filter1");
  auto* grid = new QGridLayout(countPage_);
  grid->addWidget(new QLabel(QStringLiteral("行："), countPage_), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("列："), countPage_), 1, 0);
  for (int k = 1; k <= kLineBoxes; ++k) {
    rows_.push_back(NamedCheck(countPage_, QStringLiteral("cb_r%1").arg(k).toUtf8().constData(),
                               QString::fromStdString(ChineseNumeral(k))));
    columns_.push_back(NamedCheck(countPage_, QStringLiteral("cb_c%1").arg(k).toUtf8().constData(),
                                  QString::number(k)));
    grid->addWidget(rows_.back(), 0, k);
    grid->addWidget(columns_.back(), 1, k);
  }
  auto* counts = new QHBoxLayout;
  counts->addWidget(new QLabel(QStringLiteral("出号个数："), countPage_));
  e_chgs = NamedEdit(countPage_, "e_chgs");
  e_chgs->setMaximumWidth(120);
  counts->addWidget(e_chgs);
  counts->addWidget(
      new QLabel(QStringLiteral("(比如：填入1 2 4，则代表出1个或2个或4个)"), countPage_));
  cb_hns_rc = NamedCheck(countPage_, "cb_hns_rc", QStringLiteral("容错"));
  counts->addWidget(cb_hns_rc);
  counts->addStretch();
  grid->addLayout(counts, 2, 0, 1, kLineBoxes + 1);
  auto* buttons = new QHBoxLayout;
  auto* exportButton = NamedButton(countPage_, "b_dcfilter", QStringLiteral("导出到过滤系统"));
  auto* reset = NamedButton(countPage_, "b_reset", QStringLiteral("重置"));
  auto* assist = NamedButton(countPage_, "b_hns_glzs", QStringLiteral("过滤助手"));
  for (QPushButton* b : {exportButton, reset, assist}) buttons->addWidget(b);
  buttons->addStretch();
  grid->addLayout(buttons, 3, 0, 1, kLineBoxes + 1);
  connect(exportButton, &QPushButton::clicked, this, &MatrixFilterPages::ExportChosenCells);
  connect(reset, &QPushButton::clicked, this, &MatrixFilterPages::ResetCountPage);
  connect(assist, &QPushButton::clicked, this, &MatrixFilterPages::AssistChosenCells);
  return countPage_;
}

QWidget* MatrixFilterPages::BuildEmptyLinePage() {
  emptyLinePage_ = new QWidget;
  emptyLinePage_->setObjectName("ts_hns_filter2");
  auto* row = new QHBoxLayout(emptyLinePage_);
  auto* left = new QVBoxLayout;
  auto* counts = new QHBoxLayout;
  counts->addWidget(new QLabel(QStringLiteral("输入个数"), emptyLinePage_));
  e_hns_filter2 = NamedEdit(emptyLinePage_, "e_hns_filter2");
  e_hns_filter2->setMaximumWidth(120);
  counts->addWidget(e_hns_filter2);
  counts->addWidget(new QLabel(
      QStringLiteral("(比如：填入1 2 4，则代表出1个或2个或4个，不能大于9)"), emptyLinePage_));
  counts->addStretch();
  left->addLayout(counts);
  auto* styles = new QHBoxLayout;
  emptyStyle_ = new QButtonGroup(this);
  const char* names[] = {"rb_khgs", "rb_kngs", "rb_khkngs"};
  const char* captions[] = {"空行个数", "空列个数", "空行+空列个数"};
  for (int i = 0; i < 3; ++i) {
    auto* rb = new QRadioButton(QString::fromUtf8(captions[i]), emptyLinePage_);
    rb->setObjectName(names[i]);
    emptyStyle_->addButton(rb, i);
    styles->addWidget(rb);
  }
  emptyStyle_->button(0)->setChecked(true);
  cb_hns_filter2_rc = NamedCheck(emptyLinePage_, "cb_hns_filter2_rc", QStringLiteral("容错"));
  styles->addSpacing(12);
  styles->addWidget(cb_hns_filter2_rc);
  styles->addStretch();
  left->addLayout(styles);
  auto* lower = new QHBoxLayout;
  lower->addWidget(GridEdits(emptyLinePage_, "e_hns_filter2_n", "e_hns_filter2_h", &e_hns_filter2_n,
                             &e_hns_filter2_h));
  auto* assist = NamedButton(emptyLinePage_, "b_hns_filter2_history", QStringLiteral("过滤助手"));
  auto* exportButton =
      NamedButton(emptyLinePage_, "b_hns_filter2_dc", QStringLiteral("导出到过滤系统"));
  auto* reset = NamedButton(emptyLinePage_, "b_hns_filter2_reset", QStringLiteral("重置"));
  for (QPushButton* b : {assist, exportButton, reset}) lower->addWidget(b);
  lower->addStretch();
  left->addLayout(lower);
  row->addLayout(left);
  row->addWidget(Note(emptyLinePage_, "Memo1"));
  connect(assist, &QPushButton::clicked, this, &MatrixFilterPages::AssistEmptyLines);
  connect(exportButton, &QPushButton::clicked, this, &MatrixFilterPages::ExportEmptyLineCount);
  connect(reset, &QPushButton::clicked, this, &MatrixFilterPages::ResetEmptyLinePage);
  return emptyLinePage_;
}

QWidget* MatrixFilterPages::BuildShapePage() {
  shapePage_ = new QWidget;
  shapePage_->setObjectName("ts_hns_filter3");
  auto* row = new QHBoxLayout(shapePage_);
  auto* left = new QVBoxLayout;
  auto* styles = new QHBoxLayout;
  shapeStyle_ = new QButtonGroup(this);
  const char* names[] = {"rb_hzhxt", "rb_nzhxt", "rb_hnzhxt"};
  const char* captions[] = {"行组合形态", "列组合形态", "行列组合形态"};
  for (int i = 0; i < 3; ++i) {
    auto* rb = new QRadioButton(QString::fromUtf8(captions[i]), shapePage_);
    rb->setObjectName(names[i]);
    shapeStyle_->addButton(rb, i);
    styles->addWidget(rb);
  }
  shapeStyle_->button(0)->setChecked(true);
  shapeStyle_->button(2)->hide();
  styles->addStretch();
  left->addLayout(styles);
  auto* lower = new QHBoxLayout;
  lower->addWidget(GridEdits(shapePage_, "e_hns_filter3_n", "e_hns_filter3_h", &e_hns_filter3_n,
                             &e_hns_filter3_h));
  auto* assist = NamedButton(shapePage_, "b_hns_filter3_glzs", QStringLiteral("过滤助手"));
  auto* transfer =
      NamedButton(shapePage_, "b_hns_filter3_tofilter", QStringLiteral("转至过滤设置"));
  lower->addWidget(assist);
  lower->addWidget(transfer);
  lower->addStretch();
  left->addLayout(lower);
  row->addLayout(left);
  row->addWidget(Note(shapePage_, "Memo2"));
  connect(assist, &QPushButton::clicked, this, &MatrixFilterPages::AssistShape);
  connect(transfer, &QPushButton::clicked, this, &MatrixFilterPages::TransferShape);
  return shapePage_;
}

void MatrixFilterPages::PageShown(QWidget* page) {
  if (page != countPage_ && page != emptyLinePage_ && page != shapePage_) return;
  if (setup_.content != MatrixContent::Front)
    Inform(QStringLiteral(
        "行列的过滤操作只针对以主号为内容的行列式，现在你选择的不是以主号为内容的行列"
        "式，因此上图不能作为参考。"));
  const QString m = QString::number(setup_.size.columns), n = QString::number(setup_.size.rows);
  if (page == emptyLinePage_) {
    e_hns_filter2_n->setText(m);
    e_hns_filter2_h->setText(n);
  } else if (page == shapePage_) {
    e_hns_filter3_n->setText(m);
    e_hns_filter3_h->setText(n);
  }
}

std::vector<bool> MatrixFilterPages::RowFlags() const {
  std::vector<bool> flags;
  for (QCheckBox* c : rows_) flags.push_back(c->isChecked());
  return flags;
}

std::vector<bool> MatrixFilterPages::ColumnFlags() const {
  std::vector<bool> flags;
  for (QCheckBox* c : columns_) flags.push_back(c->isChecked());
  return flags;
}

Tf_zh* MatrixFilterPages::Generator() const {
  return fxd_.app.windows ? fxd_.app.windows->Get<Tf_zh>() : nullptr;
}

void MatrixFilterPages::Inform(const QString& text) {
  fxd_.app.shell.Inform(owner_, text);
}

void MatrixFilterPages::ExportChosenCells() {
  std::string error;
  const auto out =
      dlt::ExportChosenCells(setup_.order, setup_.size, RowFlags(), ColumnFlags(),
                             e_chgs->text().toStdString(), cb_hns_rc->isChecked(), &error);
  if (!out) return Inform(QString::fromStdString(error));
  Tf_zh* zh = Generator();
  if (!zh) return;
  if (!zh->Session().set.AddSelfCondition(out->entry, &error))
    return Inform(QString::fromStdString(error));
  const QString line = QString::fromStdString(out->line);
  zh->SelfConditionAppended(line);
  Inform(QStringLiteral("行列式过滤设置结果是：") + line +
         QStringLiteral("。现已成功导出到超强组号的自设条件中"));
}

void MatrixFilterPages::ResetCountPage() {
  for (QCheckBox* c : rows_) c->setChecked(false);
  for (QCheckBox* c : columns_) c->setChecked(false);
  cb_hns_rc->setChecked(false);
  e_chgs->clear();
}

void MatrixFilterPages::AssistChosenCells() {
  const auto rows = RowFlags(), columns = ColumnFlags();
  const auto numbers = ChosenCellNumbers(setup_.order, setup_.size, rows, columns);
  if (numbers.empty()) return Inform(QStringLiteral("请选择好行号或列号"));
  AnalysisSeries series;
  series.values = ChosenHitSeries(fxd_.Table().Draws(), numbers);
  series.caption = QString::fromStdString(ChosenCellsCaption(setup_.size, rows, columns));
  series.from = 0;
  series.to = 5;
  series.modal = true;
  OpenIndicatorAnalysis(fxd_.app, owner_, series);
}

std::optional<GridKeyParams> MatrixFilterPages::EmptyLineParams() {
  std::string error;
  auto params = ParseGridKeyParams(emptyStyle_->checkedId(), e_hns_filter2_n->text().toStdString(),
                                   e_hns_filter2_h->text().toStdString(), &error);
  if (!params) Inform(QString::fromStdString(error));
  return params;
}

std::optional<GridKeyParams> MatrixFilterPages::ShapeParams() {
  std::string error;
  auto params = ParseGridKeyParams(shapeStyle_->checkedId(), e_hns_filter3_n->text().toStdString(),
                                   e_hns_filter3_h->text().toStdString(), &error);
  if (!params) Inform(QString::fromStdString(error));
  return params;
}

void MatrixFilterPages::ExportEmptyLineCount() {
  if (e_hns_filter2->text().trimmed().isEmpty()) return Inform(QStringLiteral("请输入个数"));
  const auto params = EmptyLineParams();
  if (!params) return;
  std::string error;
  const auto out = ExportEmptyLines(*params, e_hns_filter2->text().toStdString(),
                                    cb_hns_filter2_rc->isChecked(), &error);
  if (!out) return Inform(QString::fromStdString(error));
  Tf_zh* zh = Generator();
  if (!zh) return;
  if (!zh->Session().set.AddCustomIndicator(out->entry, &error))
    return Inform(QString::fromStdString(error));
  // The generator evaluates the key with the order on screen from now on.
  fxd_.app.env.layout = setup_.order;
  zh->CustomIndicatorAppended(QString::fromStdString(out->line));
  Inform(QStringLiteral("空行空列设置现已成功导出到超强组号的自定义指标中"));
}

void MatrixFilterPages::ResetEmptyLinePage() {
  e_hns_filter2->clear();
  cb_hns_filter2_rc->setChecked(false);
}

void MatrixFilterPages::AssistEmptyLines() {
  const auto params = EmptyLineParams();
  if (!params) return;
  AnalysisSeries series;
  series.values =
      GridKeySeries(fxd_.Table().Draws(), fxd_.app.env, setup_.order, EmptyLinesKey(*params));
  series.caption = QString::fromStdString(EmptyLinesCaption(params->style));
  TakeRangeOfValues(series);
  series.modal = true;
  OpenIndicatorAnalysis(fxd_.app, owner_, series);
}

void MatrixFilterPages::TransferShape() {
  const auto params = ShapeParams();
  if (!params) return;
  Tf_zh* zh = Generator();
  if (!zh) return;
  fxd_.app.env.layout = setup_.order;
  zh->OfferCustomFormula(QString::fromStdString(ShapeKey(*params)));
}

void MatrixFilterPages::AssistShape() {
  const auto params = ShapeParams();
  if (!params) return;
  AnalysisSeries series;
  series.values =
      GridKeySeries(fxd_.Table().Draws(), fxd_.app.env, setup_.order, ShapeKey(*params));
  series.caption = QString::fromStdString(ShapeCaption(params->style));
  TakeRangeOfValues(series);
  series.modal = true;
  OpenIndicatorAnalysis(fxd_.app, owner_, series);
}

}  // namespace dlt::gui
