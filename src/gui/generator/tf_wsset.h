#pragma once

#include <QDialog>
#include <vector>

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace dlt::gui {

struct AppContext;

// "尾数设置": a group of tail digits and how many numbers (or distinct
// digits) of a draw may carry them.
class Tf_wsset : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_wsset(AppContext& app, QWidget* parent = nullptr);

  // What showing the dialog does: 容错 off, 复位.
  void Begin();

  std::vector<int> Digits() const;  // ticked, ascending
  const std::vector<int>& Counts() const { return counts_; }
  bool Tolerant() const;
  bool Distinct() const;

 public slots:
  void PickCounts();
  void SelectAll();
  void ResetBoxes();
  void TryAccept();
  void Study();

 private:
  AppContext& app_;
  QListWidget* digits_ = nullptr;
  QLineEdit* countEdit_ = nullptr;
  QCheckBox* tolerant_ = nullptr;
  QCheckBox* distinct_ = nullptr;
  std::vector<int> counts_;  // the pending value set of counts
};

}  // namespace dlt::gui
