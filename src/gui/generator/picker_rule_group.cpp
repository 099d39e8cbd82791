#include "gui/generator/picker_rule_group.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleValidator>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

#include "generator/picker_values.h"
#include "gui/app/masked_edit.h"
#include "gui/app/named_button.h"
#include "gui/common/edit_values.h"

namespace dlt::gui {

PickerRuleGroup::PickerRuleGroup(bool longList, QWidget* parent)
    : QGroupBox(parent), longList_(longList) {
  setObjectName(QStringLiteral("gb_rules"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(2);

  auto* firstRow = new QHBoxLayout;
  firstRow->addWidget(PairRow(oddEven_, "cb_jo", QStringLiteral("奇偶"), odd_, "rb_odd",
                              QStringLiteral("奇数"), even_, "rb_even", QStringLiteral("偶数")));
  firstRow->addWidget(PairRow(primeComposite_, "cb_zh", QStringLiteral("质合"), prime_, "rb_prime",
                              QStringLiteral("质数"), composite_, "rb_composite",
                              QStringLiteral("合数")));
  if (longList_) {
    auto* tailRow = new QWidget(this);
    auto* h = new QHBoxLayout(tailRow);
    h->setContentsMargins(0, 0, 0, 0);
    tails_ = NamedCheck(tailRow, "cb_ws", QStringLiteral("尾数"));
    tailText_ = new QLineEdit(QStringLiteral("0 1 2 3 4 5 6 7 8 9"), tailRow);
    tailText_->setObjectName("e_ws");
    tailText_->setEnabled(false);
    h->addWidget(tails_);
    h->addWidget(tailText_);
    connect(tails_, &QCheckBox::toggled, tailText_, &QWidget::setEnabled);
    firstRow->addWidget(tailRow);
  }
  firstRow->addStretch();
  layout->addLayout(firstRow);

  const int lastDivisor = longList_ ? 9 : 5;
  for (int m = 3; m <= lastDivisor; ++m) {
    Remainders r;
    r.divisor = m;
    remainders_.push_back(r);
  }
  for (Remainders& r : remainders_) layout->addWidget(RemainderRow(r));

  const int changeDigits = longList_ ? 3 : 2;
  const int rangeDigits = longList_ ? 4 : 3;
  auto* boundsRow = new QHBoxLayout;
  boundsRow->addWidget(BoundsRow(change_, "change", QStringLiteral("变化量"), changeDigits, false));
  boundsRow->addWidget(BoundsRow(range_, "qzfw", QStringLiteral("取值范围"), rangeDigits, false));
  boundsRow->addStretch();
  layout->addLayout(boundsRow);

  choose_ = new QPushButton(QStringLiteral(" 按条件选择  "), this);
  choose_->setObjectName("b_choose");
  auto* meanRow = new QHBoxLayout;
  meanRow->addWidget(
      BoundsRow(twoDrawMean_, "twojz", QStringLiteral("二期均值"), rangeDigits, true));
  meanRow->addStretch();
  meanRow->addWidget(choose_);
  layout->addLayout(meanRow);
  Reset();
}

QWidget* PickerRuleGroup::PairRow(QCheckBox*& box, const QString& name, const QString& caption,
                                  QRadioButton*& first, const QString& firstName,
                                  const QString& firstCaption, QRadioButton*& second,
                                  const QString& secondName, const QString& secondCaption) {
  auto* row = new QWidget(this);
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  box = NamedCheck(row, name, caption);
  first = new QRadioButton(firstCaption, row);
  first->setObjectName(firstName);
  second = new QRadioButton(secondCaption, row);
  second->setObjectName(secondName);
  auto* group = new QButtonGroup(row);
  group->addButton(first);
  group->addButton(second);
  h->addWidget(box);
  h->addWidget(first);
  h->addWidget(second);
  QRadioButton* a = first;
  QRadioButton* b = second;
  connect(box, &QCheckBox::toggled, row, [a, b](bool on) {
    a->setEnabled(on);
    b->setEnabled(on);
    if (on) a->setChecked(true);
  });
  return row;
}

QWidget* PickerRuleGroup::BoundsRow(Bounds& b, const QString& stem, const QString& caption,
                                    int digits, bool decimal) {
  auto* row = new QWidget(this);
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  b.box = NamedCheck(row, "cb_" + stem, caption);
  auto makeEdit = [&](const QString& name) {
    QLineEdit* e =
        decimal ? new QLineEdit(row) : new MaskedEdit(QString(digits, QChar('0')) + "; ", row);
    e->setObjectName(name);
    if (decimal) {
      // A mean is a whole or half number; one decimal is enough.
      auto* v = new QDoubleValidator(0, 9999, 1, e);
      v->setNotation(QDoubleValidator::StandardNotation);
      v->setLocale(QLocale::c());
      e->setValidator(v);
      e->setMaxLength(digits + 2);
    }
    e->setFixedWidth(12 * digits + 18);
    return e;
  };
  b.from = makeEdit("me_" + stem + "from");
  b.to = makeEdit("me_" + stem + "to");
  h->addWidget(b.box);
  h->addWidget(b.from);
  h->addWidget(new QLabel(QStringLiteral("至"), row));
  h->addWidget(b.to);
  QLineEdit* from = b.from;
  QLineEdit* to = b.to;
  connect(b.box, &QCheckBox::toggled, row, [from, to](bool on) {
    from->setEnabled(on);
    to->setEnabled(on);
    if (on) to->clear();
  });
  return row;
}

QWidget* PickerRuleGroup::RemainderRow(Remainders& r) {
  auto* row = new QWidget(this);
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  const QString stem = QStringLiteral("cb_ys%1").arg(r.divisor);
  r.box = NamedCheck(row, stem, QStringLiteral("除%1余数").arg(r.divisor));
  h->addWidget(r.box);
  for (int k = 0; k < r.divisor; ++k) {
    QCheckBox* residue = NamedCheck(row, stem + QStringLiteral("_%1").arg(k), QString::number(k));
    residue->setEnabled(false);
    r.residues.push_back(residue);
    h->addWidget(residue);
  }
  h->addStretch();
  std::vector<QCheckBox*> residues = r.residues;
  connect(r.box, &QCheckBox::toggled, row, [residues](bool on) {
    for (QCheckBox* c : residues) c->setEnabled(on);
  });
  return row;
}

void PickerRuleGroup::Reset() {
  QList<QCheckBox*> boxes = findChildren<QCheckBox*>();
  for (QCheckBox* b : boxes) b->setChecked(false);
  // Unchecked boxes leave their controls disabled even if they never toggled.
  for (QRadioButton* r : {odd_, even_, prime_, composite_}) r->setEnabled(false);
  for (const Bounds* b : {&change_, &range_, &twoDrawMean_}) {
    b->from->setEnabled(false);
    b->to->setEnabled(false);
  }
  for (const Remainders& r : remainders_)
    for (QCheckBox* c : r.residues) c->setEnabled(false);
  if (tailText_) tailText_->setEnabled(false);
}

PickerRules PickerRuleGroup::Rules() const {
  PickerRules rules;
  if (oddEven_->isChecked()) rules.odd = !even_->isChecked();
  if (primeComposite_->isChecked()) rules.prime = !composite_->isChecked();
  if (tails_ && tails_->isChecked()) rules.tailDigits = tailText_->text().toStdString();
  for (const Remainders& r : remainders_) {
    if (!r.box->isChecked()) continue;
    PickerRules::Remainder rule;
    rule.divisor = r.divisor;
    for (const QCheckBox* residue : r.residues) rule.kept.push_back(residue->isChecked());
    rules.remainders.push_back(std::move(rule));
  }
  const auto integers = [](const Bounds& b) {
    return PickerRules::Bounds<int>{b.box->isChecked(), IntegerOf(*b.from), IntegerOf(*b.to)};
  };
  rules.change = integers(change_);
  rules.range = integers(range_);
  rules.twoDrawMean = {twoDrawMean_.box->isChecked(), NumberOf(*twoDrawMean_.from),
                       NumberOf(*twoDrawMean_.to)};
  return rules;
}

bool PickerRuleGroup::Select(int first, int last, int current, std::vector<int>* values,
                             QString* message) const {
  PickerSelection selection = SelectPickerValues(Rules(), first, last, current);
  *values = std::move(selection.values);
  if (selection.error.empty()) return true;
  *message = QString::fromStdString(selection.error);
  return false;
}

}  // namespace dlt::gui
