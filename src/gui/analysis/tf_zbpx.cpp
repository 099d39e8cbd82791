#include "gui/analysis/tf_zbpx.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "analysis/series_fill.h"
#include "gui/analysis/analysis_handoff.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/generator/tf_fzsr.h"
#include "history/custom_indicator_list.h"
#include "history/draw_table.h"
#include "history/history_contexts.h"

namespace dlt::gui {
namespace {

std::optional<int32_t> Bound(const QLineEdit* e) {
  bool ok = false;
  const int v = e->text().trimmed().toInt(&ok);
  return ok ? std::optional<int32_t>(v) : std::nullopt;
}

}  // namespace

Tf_zbpx::Tf_zbpx(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_zbpx");
  setWindowTitle(QStringLiteral("指标剖析"));
  resize(620, 520);
  auto* layout = new QVBoxLayout(this);

  auto* source = new QGridLayout;
  rb_yyzb = new QRadioButton(QStringLiteral("选择系统已有指标"), this);
  rb_yyzb->setObjectName("rb_yyzb");
  rb_yyzb->setChecked(true);
  rb_selfzb = new QRadioButton(QStringLiteral("自定义指标(公式)"), this);
  rb_selfzb->setObjectName("rb_selfzb");
  auto* group = new QButtonGroup(this);
  group->addButton(rb_yyzb);
  group->addButton(rb_selfzb);
  e_yyzb = new QLineEdit(QStringLiteral("z_num1"), this);
  e_yyzb->setObjectName("e_yyzb");
  e_selfzb = new QLineEdit(this);
  e_selfzb->setObjectName("e_selfzb");
  auto* aid = NamedButton(this, "b_fzsr", QStringLiteral(" 辅助输入"));
  source->addWidget(rb_yyzb, 0, 0);
  source->addWidget(e_yyzb, 0, 1, 1, 2);
  source->addWidget(rb_selfzb, 1, 0);
  source->addWidget(e_selfzb, 1, 1);
  source->addWidget(aid, 1, 2);
  layout->addLayout(source);

  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  AddList("lb_cg", QStringLiteral("常规"), FormulaAidLines("lb_cg"));
  AddList("lb_hzxl", QStringLiteral("和值系列"), FormulaAidLines("lb_hzxl"));
  AddList("lb_zfxl", QStringLiteral("振幅系列"), FormulaAidLines("lb_zfxl"));
  AddList("ListBox1", QStringLiteral("遗漏系列"), FormulaAidLines("ListBox1"));
  AddList("ListBox6", QStringLiteral("线和线差"), FormulaAidLines("ListBox6"));
  lb_save = AddList("lb_save", QStringLiteral("已保存的自定义指标"), {});
  layout->addWidget(pages_, 1);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(new QLabel(QStringLiteral("指标名称"), this));
  e_zbmm = new QLineEdit(QStringLiteral("主号一"), this);
  e_zbmm->setObjectName("e_zbmm");
  bottom->addWidget(e_zbmm, 1);
  me_zbqzfrom = new QLineEdit(this);
  me_zbqzfrom->setObjectName("me_zbqzfrom");
  me_zbqzto = new QLineEdit(this);
  me_zbqzto->setObjectName("me_zbqzto");
  for (QLineEdit* e : {me_zbqzfrom, me_zbqzto}) {
    // Five digits: every value an analysed series may take.
    e->setInputMask(QStringLiteral("99999;_"));
    e->setFixedWidth(60);
  }
  me_zbqzfrom->setText(QStringLiteral("1"));
  me_zbqzto->setText(QStringLiteral("31"));
  bottom->addWidget(me_zbqzfrom);
  bottom->addWidget(new QLabel(QStringLiteral("<=指标取值范围<="), this));
  bottom->addWidget(me_zbqzto);
  auto* start = NamedButton(this, "b_ok", QStringLiteral("开始剖析"));
  bottom->addWidget(start);
  layout->addLayout(bottom);

  connect(rb_selfzb, &QRadioButton::toggled, this, [this](bool on) {
    if (!on) return;
    e_zbmm->setText(QStringLiteral("自定义指标"));
    me_zbqzfrom->clear();
    me_zbqzto->clear();
  });
  connect(aid, &QPushButton::clicked, this, [this] {
    if (!app_.hooks.formulaInputAid) return;
    if (auto formula = app_.hooks.formulaInputAid(this)) {
      e_selfzb->setText(formula->trimmed());
      rb_selfzb->setChecked(true);
    }
  });
  connect(start, &QPushButton::clicked, this, [this] { Start(); });
}

QListWidget* Tf_zbpx::AddList(const char* name, const QString& title, const QStringList& lines) {
  auto* list = new QListWidget(pages_);
  list->setObjectName(name);
  list->addItems(lines);
  // Codes and explanations line up only in a fixed-pitch font.
  list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  connect(list, &QListWidget::itemClicked, this, [this, list] { TakeListEntry(list); });
  pages_->addTab(list, title);
  return list;
}

// The entry's text before its first blank is the indicator, the rest its name.
void Tf_zbpx::TakeListEntry(QListWidget* list) {
  const QListWidgetItem* item = list->currentItem();
  if (!item) {
    app_.shell.Inform(this, QStringLiteral("请在列表框中单击你要输入的内容"));
    return;
  }
  const CustomIndicatorEntry parts = SplitCustomIndicatorLine(item->text().toStdString());
  e_yyzb->setText(QString::fromStdString(parts.formula));
  e_zbmm->setText(QString::fromStdString(parts.name).trimmed());
  me_zbqzfrom->clear();
  me_zbqzto->clear();
}

void Tf_zbpx::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  lb_save->clear();
  std::string error;
  if (auto lines = LoadCustomIndicatorLines(app_.folder.Path("save/selfzb.txt"), &error))
    for (const std::string& l : *lines) lb_save->addItem(QString::fromStdString(l));
}

bool Tf_zbpx::Start(const IndicatorRequest& request) {
  e_yyzb->setText(QString::fromStdString(request.key));
  e_zbmm->setText(request.label);
  me_zbqzfrom->setText(request.rangeFromData ? QString() : QString::number(request.min));
  me_zbqzto->setText(request.rangeFromData ? QString() : QString::number(request.max));
  rb_yyzb->setChecked(true);
  return Start();
}

bool Tf_zbpx::Start() {
  const bool ownKey = rb_yyzb->isChecked();
  const QString text = (ownKey ? e_yyzb : e_selfzb)->text().trimmed();
  const DrawTable& table = app_.Table();
  const SeriesFill fill = FillSeries(TableContext(table, &app_.env), text.toStdString());
  if (!fill.ok()) {
    app_.shell.Inform(this, QString::fromStdString(fill.error));
    return false;
  }
  const auto from = Bound(me_zbqzfrom), to = Bound(me_zbqzto);
  if (from && to) {
    if (const std::string e = AnalysisBoundsError(*from, *to); !e.empty()) {
      app_.shell.Inform(this, QString::fromStdString(e));
      return false;
    }
  }
  AnalysisSeries series;
  series.values = fill.values;
  series.caption = e_zbmm->text();
  const ValueRange range = AnalysisRange(fill.values, from, to);
  series.from = range.from;
  series.to = range.to;
  (ownKey ? series.key : series.formula) = text.toStdString();
  return OpenIndicatorAnalysis(app_, this, series);
}

}  // namespace dlt::gui
