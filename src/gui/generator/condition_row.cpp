#include "gui/generator/condition_row.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <string>

#include "generator/picker_values.h"
#include "gui/app/utf8_text.h"
#include "gui/generator/zh_condition_text.h"

namespace dlt::gui {

ConditionRow AddConditionRow(QGridLayout* grid, int row, int column, std::string_view stem,
                             std::string_view caption, bool valueRow) {
  QWidget* parent = grid->parentWidget();
  const QString name = Q(stem);
  ConditionRow r;
  r.enable = new QCheckBox(Q(caption), parent);
  r.enable->setObjectName("cb_" + name);
  grid->addWidget(r.enable, row, column);
  if (valueRow) {
    r.values = new QLineEdit(parent);
    r.values->setObjectName("e_" + name);
    r.values->setReadOnly(true);
    r.pick = new QPushButton(QStringLiteral("..."), parent);
    r.pick->setObjectName("b_" + name);
    r.pick->setFixedWidth(28);
    grid->addWidget(r.values, row, column + 1);
    grid->addWidget(r.pick, row, column + 2);
  }
  r.tolerant = new QCheckBox(parent);
  r.tolerant->setObjectName("cb_" + name + "rc");
  grid->addWidget(r.tolerant, row, column + 3, Qt::AlignCenter);
  return r;
}

void ShowConditionRow(const ConditionRow& row, bool enabled, bool tolerant,
                      const ValueSet* values) {
  const QSignalBlocker blockEnable(row.enable), blockTolerant(row.tolerant);
  row.enable->setChecked(enabled);
  row.tolerant->setChecked(tolerant);
  row.tolerant->setEnabled(enabled);
  if (row.values && values) ShowValueSet(row.values, *values);
  if (row.pick) row.pick->setEnabled(enabled);
}

PickRequest ConditionPickRequest(const ConditionPickerFacts& facts, const ValueSet& held,
                                 const DrawTable& table, const EvalEnv& env) {
  PickRequest request;
  request.first = facts.from;
  request.last = facts.to;
  request.checkList = facts.checkList;
  if (facts.current) request.current = NewestDrawValue(table, env, facts.key);
  request.selected.assign(held.Values().begin(), held.Values().end());
  request.study.kind = StudySubject::Kind::kIndicator;
  request.study.key = std::string(facts.key);
  return request;
}

}  // namespace dlt::gui
