#include "gui/trend/tf_xtqz.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include "gui/analysis/analysis_handoff.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "history/draw_table.h"
#include "history/history_contexts.h"
#include "indicators/indicator_series.h"
#include "trend/derived_keys.h"

namespace dlt::gui {

Tf_xtqz::Tf_xtqz(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_xtqz");
  setWindowTitle(QStringLiteral("形态取值"));
  resize(560, 400);
  auto* layout = new QVBoxLayout(this);
  cb_xtqz = new QListWidget(this);
  cb_xtqz->setObjectName("cb_xtqz");
  // Three columns: the items flow left to right and wrap.
  cb_xtqz->setFlow(QListView::LeftToRight);
  cb_xtqz->setWrapping(true);
  cb_xtqz->setResizeMode(QListView::Adjust);
  cb_xtqz->setGridSize(QSize(170, 24));
  layout->addWidget(cb_xtqz, 1);

  auto* row = new QHBoxLayout;
  cb_xtqz_rc = new QCheckBox(QStringLiteral("容错"), this);
  cb_xtqz_rc->setObjectName("cb_xtqz_rc");
  row->addWidget(cb_xtqz_rc);
  row->addStretch(1);
  const struct {
    const char* name;
    const char* caption;
    int mode;
  } selections[] = {{"b_allnot", "全不选", 0}, {"b_all", "全选", 1}, {"b_reverse", "反选", 2}};
  for (const auto& s : selections) {
    const int mode = s.mode;
    auto* button = NamedButton(this, s.name, QString::fromUtf8(s.caption));
    connect(button, &QPushButton::clicked, this, [this, mode] { SetAll(mode); });
    row->addWidget(button);
  }
  auto* assistant = NamedButton(this, "b_glzs", QStringLiteral("过滤助手"));
  auto* ok = NamedButton(this, "b_ok", QStringLiteral("确定"));
  auto* cancel = NamedButton(this, "b_cancel", QStringLiteral("返回"));
  for (QPushButton* b : {assistant, ok, cancel}) row->addWidget(b);
  layout->addLayout(row);
  connect(assistant, &QPushButton::clicked, this, &Tf_xtqz::FilterAssistant);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void Tf_xtqz::SetItems(const QStringList& items) {
  cb_xtqz->clear();
  for (const QString& text : items) {
    auto* item = new QListWidgetItem(text, cb_xtqz);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
}

std::vector<int32_t> Tf_xtqz::CheckedValues() const {
  std::vector<int32_t> values;
  for (int i = 0; i < cb_xtqz->count(); ++i)
    if (cb_xtqz->item(i)->checkState() == Qt::Checked) values.push_back(i);
  return values;
}

bool Tf_xtqz::Tolerant() const {
  return cb_xtqz_rc->isChecked();
}

void Tf_xtqz::showEvent(QShowEvent* event) {
  SetAll(0);
  cb_xtqz_rc->setChecked(false);
  QDialog::showEvent(event);
}

void Tf_xtqz::SetAll(int mode) {
  for (int i = 0; i < cb_xtqz->count(); ++i) {
    QListWidgetItem* item = cb_xtqz->item(i);
    const bool on = mode == 1 || (mode == 2 && item->checkState() != Qt::Checked);
    item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
  }
}

// The history of the shape in the indicator analysis, above this dialog. As
// every filter assistant, it leaves the history 36 draws before its end,
// where the analysis pages from.
void Tf_xtqz::FilterAssistant() {
  AnalysisSeries series;
  series.values = IndicatorSeries(TableContext(app_.Table(), &app_.env), key_);
  TakeRangeOfValues(series);
  series.caption = QStringLiteral("指标组合形态:") + QString::fromStdString(key_) +
                   QStringLiteral("（过滤助手）");
  // The analysis window's own transfer takes the shape as a formula.
  series.formula = ShapeFormula(key_);
  series.modal = true;
  OpenIndicatorAnalysis(app_, this, series);
}

}  // namespace dlt::gui
