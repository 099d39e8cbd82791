#pragma once

#include <vector>

#include "gui/generator/picker_dialog.h"

class QListWidget;

namespace dlt::gui {

struct AppContext;

// The long value picker "选择": the check list CheckListBox1 with the items
// 0..2000 in 20 columns; only the offered range is enabled, checked = selected.
class Tf_getchoiceextend_plus : public ValuePickerDialog {
  Q_OBJECT
 public:
  static constexpr int kItemCount = 2001;
  static constexpr int kColumns = 20;

  explicit Tf_getchoiceextend_plus(AppContext& app, QWidget* parent = nullptr);

  // Unchecks and disables every item, enables first..last (clamped to
  // 0..2000) and runs 重置.
  void Prepare(int first, int last, int current);
  // What the dialog does when it is shown: the caller's values checked.
  void Begin(const std::vector<int>& selected);
  QListWidget* List() const { return list_; }

 protected:
  bool IsSelected(int value) const override;
  void SetSelected(int value, bool selected) override;

 private:
  QListWidget* list_ = nullptr;
};

}  // namespace dlt::gui
