#include "gui/generator/tf_fzsr.h"

#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
#include "gui/generator/value_pickers.h"
#include "history/custom_indicator_list.h"
#include "indicators/catalogue.h"

namespace dlt::gui {

namespace {

QString Line(const QString& code, const QString& explanation) {
  // Codes padded to one column so that the explanations line up.
  return code.leftJustified(24, ' ') + QStringLiteral("  ") + explanation;
}

bool IsLineKey(const std::string& key) {
  return key.rfind("xh", 0) == 0 || key.rfind("xc", 0) == 0;
}

bool IsSumKey(const std::string& key) {
  return key.find("hz") != std::string::npos || key.find("he") != std::string::npos ||
         key == "z_wh";
}

}  // namespace

QStringList FormulaAidLines(const QString& listName) {
  QStringList lines;
  if (listName == "ListBox7") {
    lines << Line("+", QStringLiteral("加")) << Line("-", QStringLiteral("减"))
          << Line("*", QStringLiteral("乘")) << Line("/", QStringLiteral("除（取整）"))
          << Line("%", QStringLiteral("除后取余数")) << Line("(", QStringLiteral("左括号"))
          << Line(")", QStringLiteral("右括号"))
          << Line("[-1]", QStringLiteral("写在指标前：取上一期的指标值（负数向前，正数向后）"))
          << Line("max(", QStringLiteral("最大值：max(公式1,公式2,...)"))
          << Line("min(", QStringLiteral("最小值：min(公式1,公式2,...)"))
          << Line("mid(", QStringLiteral("最接近平均值的参数：mid(公式1,公式2,...)，至多30个"))
          << Line("abs(", QStringLiteral("绝对值：abs(公式)"))
          << Line("getylz(", QStringLiteral("遗漏值：getylz(公式)"))
          << Line("getzf(", QStringLiteral("振幅：getzf(公式)"))
          << Line("getylzzf(", QStringLiteral("遗漏振幅：getylzzf(公式)"))
          << Line("getzb(", QStringLiteral("指标值：getzb(指标名)"))
          << Line("test", QStringLiteral("指标剖析的当前数值"));
    return lines;
  }
  for (const CatalogueEntry& e : Catalogue()) {
    const std::string& key = e.row.key;
    const QString code = QString::fromStdString(key);
    const QString label = QString::fromStdString(e.row.label);
    const Family family = e.ref.family;
    if (listName == "lb_cg") {
      if (family == Family::Base && !IsLineKey(key) && !IsSumKey(key)) lines << Line(code, label);
    } else if (listName == "lb_hzxl") {
      if (family == Family::Base && IsSumKey(key)) lines << Line(code, label);
    } else if (listName == "lb_zfxl") {
      if (family == Family::Amplitude) lines << Line(code, label);
    } else if (listName == "ListBox1") {
      if (family == Family::Omission || family == Family::GlobalOmission ||
          family == Family::OmissionAmplitude)
        lines << Line(code, label);
    } else if (listName == "ListBox6") {
      if (family == Family::Base && IsLineKey(key)) lines << Line(code, label);
    }
  }
  // The function forms reach the omission and the amplitude of any base
  // indicator, those without a key of their own too ("getzf(z_hw)").
  const auto functionForms = [&lines](const char* function, const QString& suffix) {
    for (const CatalogueEntry& e : Catalogue()) {
      if (e.ref.family != Family::Base) continue;
      lines << Line(QStringLiteral("%1(%2)").arg(function, QString::fromStdString(e.row.key)),
                    QString::fromStdString(e.row.label) + suffix);
    }
  };
  if (listName == "ListBox1") functionForms("getylz", QStringLiteral("的遗漏值"));
  if (listName == "lb_zfxl") functionForms("getzf", QStringLiteral("的振幅"));
  return lines;
}

QString Tf_fzsr::CodeOfLine(const QString& line) {
  const QString trimmed = line.trimmed();
  const int blank = trimmed.indexOf(' ');
  return blank < 0 ? trimmed : trimmed.left(blank);
}

Tf_fzsr::Tf_fzsr(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_fzsr");
  setWindowTitle(QStringLiteral("辅助输入"));
  resize(640, 460);
  auto* layout = new QVBoxLayout(this);
  formula_ = new QLineEdit(this);
  formula_->setObjectName("e_fzsr");
  layout->addWidget(formula_);

  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  AddList("lb_cg", QStringLiteral("常规"), FormulaAidLines("lb_cg"));
  AddList("lb_hzxl", QStringLiteral("和值系列"), FormulaAidLines("lb_hzxl"));
  AddList("lb_zfxl", QStringLiteral("振幅系列"), FormulaAidLines("lb_zfxl"));
  AddList("ListBox1", QStringLiteral("遗漏系列"), FormulaAidLines("ListBox1"));
  AddList("ListBox6", QStringLiteral("线和线差"), FormulaAidLines("ListBox6"));
  AddList("ListBox7", QStringLiteral("运算符及函数"), FormulaAidLines("ListBox7"));
  saved_ = AddList("lb_save", QStringLiteral("保存的自定义指标"), {});
  layout->addWidget(pages_, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* ok = new QPushButton(QStringLiteral("确定"), this);
  ok->setObjectName("b_ok");
  ok->setAutoDefault(false);
  auto* cancel = new QPushButton(QStringLiteral("取消"), this);
  cancel->setObjectName("b_cancel");
  cancel->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  // Other windows (the custom indicator dialog) reach the aid through the shell.
  app_.hooks.formulaInputAid = [this](QWidget* caller) -> std::optional<QString> {
    auto formula = EnterFormula(app_, caller);
    if (!formula) return std::nullopt;
    return QString::fromStdString(*formula);
  };
}

QListWidget* Tf_fzsr::AddList(const char* name, const QString& title, const QStringList& lines) {
  auto* list = new QListWidget(pages_);
  list->setObjectName(name);
  list->addItems(lines);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Codes and explanations line up only in a fixed-pitch font.
  list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  list->viewport()->installEventFilter(this);
  pages_->addTab(list, title);
  lists_ << list;
  return list;
}

void Tf_fzsr::Begin() {
  formula_->clear();
  saved_->clear();
  std::string error;
  const auto lines = LoadCustomIndicatorLines(app_.folder.Path("save/selfzb.txt"), &error);
  if (!lines) {
    app_.shell.Inform(this, QString::fromStdString(error));
    return;
  }
  for (const std::string& line : *lines) saved_->addItem(QString::fromStdString(line));
}

QString Tf_fzsr::Formula() const {
  return formula_->text();
}

bool Tf_fzsr::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    for (QListWidget* list : lists_) {
      if (list->viewport() != watched) continue;
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (QListWidgetItem* item = list->itemAt(mouse->position().toPoint()))
        list->setCurrentItem(item);
      AppendCode(list);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void Tf_fzsr::AppendCode(QListWidget* list) {
  QListWidgetItem* item = list->currentItem();
  if (!item) {
    app_.shell.Inform(this, QStringLiteral("请在列表框中双击你要输入的内容"));
    return;
  }
  formula_->setText(formula_->text() + CodeOfLine(item->text()));
}

}  // namespace dlt::gui
