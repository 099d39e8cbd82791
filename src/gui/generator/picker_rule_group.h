#pragma once

#include <QGroupBox>
#include <QString>
#include <array>
#include <vector>

#include "generator/picker_values.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace dlt::gui {

// The rule selection of both value pickers: odd/even, prime/composite,
// tails (long list only), remainders, change, range and two-draw mean. The
// long list adds the tail rule and the divisors 6 to 9 and takes wider bounds.
class PickerRuleGroup : public QGroupBox {
  Q_OBJECT
 public:
  PickerRuleGroup(bool longList, QWidget* parent);

  // Every rule box unchecked (and its edits or radio buttons disabled).
  void Reset();

  // The values of first..last that pass every checked rule, each rule
  // narrowing what the rules before it kept. A checked rule with blank
  // bounds stops there: false, its message, and `values` holds what the
  // rules before it kept.
  bool Select(int first, int last, int current, std::vector<int>* values, QString* message) const;
  // The checked rules as the engine takes them.
  PickerRules Rules() const;

  QPushButton* ChooseButton() const { return choose_; }

 private:
  struct Remainders {
    int divisor = 0;
    QCheckBox* box = nullptr;
    std::vector<QCheckBox*> residues;
  };
  struct Bounds {
    QCheckBox* box = nullptr;
    QLineEdit* from = nullptr;
    QLineEdit* to = nullptr;
  };

  QWidget* PairRow(QCheckBox*& box, const QString& name, const QString& caption,
                   QRadioButton*& first, const QString& firstName, const QString& firstCaption,
                   QRadioButton*& second, const QString& secondName, const QString& secondCaption);
  QWidget* BoundsRow(Bounds& b, const QString& stem, const QString& caption, int digits,
                     bool decimal);
  QWidget* RemainderRow(Remainders& r);

  bool longList_;
  QCheckBox* oddEven_ = nullptr;
  QRadioButton* odd_ = nullptr;
  QRadioButton* even_ = nullptr;
  QCheckBox* primeComposite_ = nullptr;
  QRadioButton* prime_ = nullptr;
  QRadioButton* composite_ = nullptr;
  QCheckBox* tails_ = nullptr;
  QLineEdit* tailText_ = nullptr;
  std::vector<Remainders> remainders_;
  Bounds change_, range_, twoDrawMean_;
  QPushButton* choose_ = nullptr;
};

}  // namespace dlt::gui
