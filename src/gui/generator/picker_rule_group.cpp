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
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "common/numbers.h"
#include "common/rounding.h"
#include "gui/app/masked_edit.h"

namespace dlt::gui {

namespace {

QCheckBox* NamedBox(const QString& name, const QString& caption, QWidget* parent) {
  auto* b = new QCheckBox(caption, parent);
  b->setObjectName(name);
  return b;
}

std::optional<int> IntegerOf(const QLineEdit* e) {
  bool ok = false;
  const int v = e->text().trimmed().toInt(&ok);
  if (!ok) return std::nullopt;
  return v;
}

std::optional<double> DecimalOf(const QLineEdit* e) {
  bool ok = false;
  const double v = e->text().trimmed().toDouble(&ok);
  if (!ok) return std::nullopt;
  return v;
}

template <class Keep>
void Narrow(std::vector<int>* values, Keep keep) {
  values->erase(std::remove_if(values->begin(), values->end(), [&](int v) { return !keep(v); }),
                values->end());
}

}  // namespace

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
    tails_ = NamedBox("cb_ws", QStringLiteral("尾数"), tailRow);
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
  box = NamedBox(name, caption, row);
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
  b.box = NamedBox("cb_" + stem, caption, row);
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
  r.box = NamedBox(stem, QStringLiteral("除%1余数").arg(r.divisor), row);
  h->addWidget(r.box);
  for (int k = 0; k < r.divisor; ++k) {
    QCheckBox* residue = NamedBox(stem + QStringLiteral("_%1").arg(k), QString::number(k), row);
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

bool PickerRuleGroup::Select(int first, int last, int current, std::vector<int>* values,
                             QString* message) const {
  values->clear();
  for (int v = first; v <= last; ++v) values->push_back(v);

  if (oddEven_->isChecked()) {
    const bool wantOdd = !even_->isChecked();
    Narrow(values, [&](int v) { return (std::abs(v) % 2 == 1) == wantOdd; });
  }
  if (primeComposite_->isChecked()) {
    const bool wantPrime = !composite_->isChecked();
    Narrow(values, [&](int v) { return IsPrime(v) == wantPrime; });
  }
  if (tails_ && tails_->isChecked()) {
    const QString text = tailText_->text();
    Narrow(values, [&](int v) { return text.contains(QString::number(std::abs(v) % 10)); });
  }
  for (const Remainders& r : remainders_) {
    if (!r.box->isChecked()) continue;
    Narrow(values, [&](int v) {
      return r.residues[((v % r.divisor) + r.divisor) % r.divisor]->isChecked();
    });
  }
  if (change_.box->isChecked()) {
    const auto from = IntegerOf(change_.from), to = IntegerOf(change_.to);
    if (!from || !to) {
      *message = QStringLiteral("变化量未输入数据");
      return false;
    }
    Narrow(values, [&](int v) {
      const int d = std::abs(v - current);
      return *from <= d && d <= *to;
    });
  }
  if (range_.box->isChecked()) {
    const auto from = IntegerOf(range_.from), to = IntegerOf(range_.to);
    if (!from || !to) {
      *message = QStringLiteral("取值范围未输入数据");
      return false;
    }
    Narrow(values, [&](int v) { return *from <= v && v <= *to; });
  }
  if (twoDrawMean_.box->isChecked()) {
    const auto from = DecimalOf(twoDrawMean_.from), to = DecimalOf(twoDrawMean_.to);
    if (!from || !to) {
      *message = QStringLiteral("二期均值未输入数据");
      return false;
    }
    Narrow(values, [&](int v) {
      const double mean = RoundToDecimals((v + current) / 2.0, 1);
      return *from <= mean && mean <= *to;
    });
  }
  return true;
}

}  // namespace dlt::gui
