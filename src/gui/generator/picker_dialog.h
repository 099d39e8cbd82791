#pragma once

#include <QDialog>
#include <vector>

#include "gui/generator/value_pickers.h"

class QPushButton;

namespace dlt::gui {

struct AppContext;
class PickerRuleGroup;

// What the two value pickers share: the offered range, the row of
// buttons (全选, 全不选, 反选, 重置, 过滤助手, 确定, 取消), the rule group and the
// study aid. A picker shows the values its own way (tiles or a check list)
// and says which of them are selected.
class ValuePickerDialog : public QDialog {
  Q_OBJECT
 public:
  void SetStudySubject(const StudySubject& subject);

  int First() const { return first_; }
  int Last() const { return last_; }
  int Current() const { return current_; }
  // The selected values of the range, ascending.
  std::vector<int> SelectedValues() const;

 public slots:
  void SelectAll() { SetAll(true); }
  void SelectNone() { SetAll(false); }
  void Invert();
  void ResetSelection();
  void ChooseByRules();
  void Study();

 protected:
  ValuePickerDialog(AppContext& app, bool checkList, QWidget* parent);

  virtual bool IsSelected(int value) const = 0;
  virtual void SetSelected(int value, bool selected) = 0;

  // The row of buttons, laid out in `row` (a widget of the dialog).
  void AddButtonRow(QWidget* row);
  PickerRuleGroup* Rules() const { return rules_; }
  void SetRange(int first, int last, int current);
  void SetAll(bool selected);

  AppContext& app_;

 private:
  PickerRuleGroup* rules_ = nullptr;
  QPushButton* study_ = nullptr;
  int first_ = 0;
  int last_ = 0;
  int current_ = 0;
  StudySubject subject_;
};

}  // namespace dlt::gui
