#pragma once

#include <QDialog>
#include <vector>

#include "gui/generator/value_pickers.h"

class QListWidget;
class QPushButton;

namespace dlt::gui {

struct AppContext;
class PickerRuleGroup;

// The long value picker "选择": the check list CheckListBox1 with the items
// 0..2000 in 20 columns; only the offered range is enabled, checked = selected.
class Tf_getchoiceextend_plus : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kItemCount = 2001;
  static constexpr int kColumns = 20;

  explicit Tf_getchoiceextend_plus(AppContext& app, QWidget* parent = nullptr);

  // Unchecks and disables every item, enables first..last (clamped to
  // 0..2000) and runs 重置.
  void Prepare(int first, int last, int current);
  void SetOwner(int owner) { owner_ = owner; }
  int Owner() const { return owner_; }
  void SetStudySubject(const StudySubject& subject);
  // What the dialog does when it is shown: the caller's values checked.
  void Begin(const std::vector<int>& selected);

  int First() const { return first_; }
  int Last() const { return last_; }
  int Current() const { return current_; }
  std::vector<int> SelectedValues() const;
  QListWidget* List() const { return list_; }

 public slots:
  void SelectAll() { SetAll(true); }
  void SelectNone() { SetAll(false); }
  void Invert();
  void ResetSelection();
  void ChooseByRules();
  void Study();

 private:
  void SetAll(bool checked);
  bool IsChecked(int value) const;
  void SetChecked(int value, bool checked);
  QPushButton* AddButton(QWidget* row, const char* name, const QString& caption);

  AppContext& app_;
  QListWidget* list_ = nullptr;
  PickerRuleGroup* rules_ = nullptr;
  QPushButton* study_ = nullptr;
  int first_ = 0;
  int last_ = 0;
  int current_ = 0;
  int owner_ = 0;
  StudySubject subject_;
};

}  // namespace dlt::gui
