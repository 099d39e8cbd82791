#include "gui/trend/fxd_derived_tools.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringList>
#include <QTabWidget>

#include "gui/analysis/analysis_handoff.h"
#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_zh.h"
#include "gui/killnum/tf_selfsh_set.h"
#include "history/draw_range.h"
#include "history/draw_table.h"
#include "trend/omission_grid.h"

namespace dlt::gui {

void FillIssueRange(const DrawTable& table, QComboBox* from, QComboBox* to) {
  QStringList issues;
  issues.reserve(table.RecordCount());
  for (const Draw& d : table.Draws()) issues << QString::number(d.qs);
  const QSignalBlocker blockFrom(from), blockTo(to);
  for (QComboBox* box : {from, to}) {
    box->clear();
    box->addItems(issues);
  }
  from->setCurrentIndex(issues.isEmpty() ? -1 : DefaultGridStart(static_cast<int>(issues.size())));
  to->setCurrentIndex(static_cast<int>(issues.size()) - 1);
}

std::optional<QString> ChooseIndicator(AppContext& app) {
  auto* chooser = app.windows ? app.windows->Get<Tf_selfsh_set>() : nullptr;
  if (!chooser) return std::nullopt;
  chooser->setWindowTitle(QStringLiteral("选择指标"));
  if (app.shell.ExecDialog(*chooser) != QDialog::Accepted) return std::nullopt;
  return chooser->Indicator();
}

void LinkTwins(QLineEdit* a, QLineEdit* b) {
  auto copy = [](QLineEdit* to) {
    return [to](const QString& text) {
      if (to->text() != text) to->setText(text);
    };
  };
  QObject::connect(a, &QLineEdit::textChanged, b, copy(b));
  QObject::connect(b, &QLineEdit::textChanged, a, copy(a));
}

void AnalyseText(AppContext& app, QWidget* parent, const QString& text, const QString& name) {
  IndicatorRequest r;
  r.key = text.toStdString();
  r.label = name;
  r.rangeFromData = true;
  AnalyseIndicator(app, parent, r);
}

void OpenCustomIndicatorEntry(AppContext& app, const QString& formula) {
  auto* zh = app.windows ? app.windows->Get<Tf_zh>() : nullptr;
  if (!zh) return;
  zh->show();
  zh->raise();
  // Checking the list's box runs its click handler: the list becomes active.
  if (auto* active = zh->findChild<QCheckBox*>("cb_selfzb"); active && !active->isChecked())
    active->click();
  if (auto* edit = zh->findChild<QLineEdit*>("e_selfzb")) edit->setText(formula);
  auto* pages = zh->findChild<QTabWidget*>("PageControl2");
  auto* custom = zh->findChild<QWidget*>("ts_zh_selfzb");
  if (pages && custom) pages->setCurrentWidget(custom);
}

void FillNumberItems(QComboBox* box, int max) {
  QStringList items;
  items.reserve(max + 1);
  for (int i = 0; i <= max; ++i) items << QString::number(i);
  const QSignalBlocker block(box);
  box->clear();
  box->addItems(items);
}

}  // namespace dlt::gui
