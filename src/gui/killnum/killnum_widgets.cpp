#include "gui/killnum/killnum_widgets.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <random>

#include "formula/formula.h"
#include "formula/formula_check.h"
#include "formula/formula_messages.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "history/history_contexts.h"
#include "indicators/catalogue.h"

namespace dlt::gui {

void FillIndicatorCombo(QComboBox& combo, const QString& key) {
  combo.clear();
  int selected = 0;
  for (const CatalogueEntry& e : Catalogue()) {
    const QString k = QString::fromStdString(e.row.key);
    if (k == key) selected = combo.count();
    combo.addItem(k.leftJustified(12) + QStringLiteral("  ") + QString::fromStdString(e.row.label));
  }
  combo.setCurrentIndex(selected);
}

QString IndicatorOfEntry(const QString& entry) {
  const QString t = entry.trimmed();
  const int blank = t.indexOf(' ');
  return blank < 0 ? t : t.left(blank);
}

void FillDrawPicker(QComboBox& combo, const KillHistory& history, int index) {
  const QSignalBlocker quiet(&combo);
  combo.clear();
  for (int i = 0; i < history.RealCount(); ++i) combo.addItem(QString::number(history.At(i).qs));
  combo.setCurrentIndex(index);
}

int PickedDraw(const QComboBox& combo, const KillHistory& history) {
  bool ok = false;
  const int qs = combo.currentText().trimmed().toInt(&ok);
  return ok ? history.IndexOf(qs) : -1;
}

namespace {

// A zero divisor depends on the draw, not on the text: the formula is fine.
QString EntryError(const FormulaResult& r) {
  if (r.ok || r.error == formula_messages::kDivisionByZero) return {};
  return QString::fromStdString(r.error);
}

}  // namespace

QString FormulaEntryError(const KillHistory& history, const QString& formula) {
  if (auto problem = ExpressionProblem(formula.toStdString()))
    return QString::fromStdString(*problem);
  return EntryError(
      EvaluateFormula(history.Context(history.VirtualIndex()), formula.toStdString()));
}

QString FormulaEntryError(const AppContext& app, const QString& formula) {
  if (auto problem = ExpressionProblem(formula.toStdString()))
    return QString::fromStdString(*problem);
  const DrawTable& table = app.Table();
  const int last = table.LastRealIndex();
  if (last < 0) return {};
  return EntryError(EvaluateFormula(TableContext(table, &app.env).At(last), formula.toStdString()));
}

std::optional<uint64_t> SeedOf(const QLineEdit& edit) {
  const QString t = edit.text().trimmed();
  if (t.isEmpty()) return std::random_device{}();
  bool ok = false;
  const qulonglong v = t.toULongLong(&ok);
  return ok ? std::optional<uint64_t>(v) : std::nullopt;
}

QString RateNumberText(double rate) {
  QString s = QString::number(rate, 'f', 2);
  while (s.endsWith('0')) s.chop(1);
  if (s.endsWith('.')) s.chop(1);
  return s;
}

QComboBox* CountChoice(QWidget* parent, const char* name, int last, int selected) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  for (int n = 1; n <= last; ++n) c->addItem(QString::number(n));
  c->setCurrentIndex(selected - 1);
  return c;
}

QHBoxLayout* ApplyCancelRow(QDialog* dialog, QPushButton** apply, QPushButton** cancel) {
  auto* row = new QHBoxLayout;
  *apply = NamedButton(dialog, "b_apply", QStringLiteral("应用"));
  *cancel = NamedButton(dialog, "b_cancel", QStringLiteral("取消"));
  row->addStretch();
  row->addWidget(*apply);
  row->addWidget(*cancel);
  QObject::connect(*apply, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(*cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  return row;
}

}  // namespace dlt::gui
