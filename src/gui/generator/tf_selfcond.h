#pragma once

#include <QDialog>
#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dlt::gui {

struct AppContext;

// "自设条件": a group of front numbers and how many of them a draw may hold.
class Tf_selfcond : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_selfcond(AppContext& app, QWidget* parent = nullptr);

  // Whether the "出现个数选择" row is offered (and required by "确定").
  void SetCountRowVisible(bool visible);
  bool CountRowVisible() const { return countRowVisible_; }
  // What showing the dialog does: 容错 off, 复位.
  void Begin();

  std::vector<int> Numbers() const;  // ticked, ascending
  const std::vector<int>& Counts() const { return counts_; }
  bool Tolerant() const;

 public slots:
  void PickCounts();
  void QuickChoose(int index);
  void SelectAll();
  void ResetBoxes();
  void TryAccept();
  void Study();

 private:
  AppContext& app_;
  std::array<QCheckBox*, 36> boxes_{};  // boxes_[1..35]
  std::array<bool, 36> flags_{};        // one flag per number, refreshed by each click
  QLineEdit* countEdit_ = nullptr;
  QPushButton* countButton_ = nullptr;
  QLabel* countLabel_ = nullptr;
  QComboBox* quick_ = nullptr;
  QCheckBox* tolerant_ = nullptr;
  std::vector<int> counts_;  // the pending value set of counts
  bool countRowVisible_ = true;
};

// The count text of both entry dialogs: each count followed by two blanks.
QString CountText(const std::vector<int>& counts);

}  // namespace dlt::gui
