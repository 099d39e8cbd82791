#include "gui/trend/fxd_derived_tools.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringList>

#include "gui/analysis/analysis_handoff.h"
#include "gui/app/app_context.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_zh.h"
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

void LinkTwins(QLineEdit* a, QLineEdit* b) {
  auto copy = [](QLineEdit* to) {
    return [to](const QString& text) {
      if (to->text() != text) to->setText(text);
    };
  };
  QObject::connect(a, &QLineEdit::textChanged, b, copy(b));
  QObject::connect(b, &QLineEdit::textChanged, a, copy(a));
}

void AnalyseText(AppContext& app, const QString& text, const QString& name) {
  IndicatorRequest r;
  r.key = text.toStdString();
  r.label = name;
  r.rangeFromData = true;
  AnalyseIndicator(app, r);
}

void OpenCustomIndicatorEntry(AppContext& app, const QString& formula) {
  if (auto* zh = app.windows ? app.windows->Get<Tf_zh>() : nullptr) zh->OfferCustomFormula(formula);
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
