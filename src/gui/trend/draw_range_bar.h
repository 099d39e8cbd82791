#pragma once

#include <QWidget>

#include "history/draw_range.h"

class QComboBox;
class QLabel;
class QRadioButton;
class QScrollBar;

namespace dlt {
class DrawTable;
}

namespace dlt::gui {

// The object names of one window's range controls.
struct RangeBarNames {
  const char* nearRadio;
  const char* countBox;
  const char* scrollBar;
  const char* selfRadio;
  const char* from;
  const char* to;
  const char* label;
};

// The range controls of the statistics windows: "近" with a count box and a
// scroll bar that mirror each other, or "自定义" from one issue to another
// with "共" + draws + "期" in the label. Every change says so.
class DrawRangeBar : public QWidget {
  Q_OBJECT
 public:
  DrawRangeBar(const DrawTable& table, const RangeBarNames& names, QWidget* parent = nullptr);

  // Fills the issue boxes with every issue (the one 100 before the last
  // and the last selected) and sets the scroll bar to the history; quiet.
  void FillIssues();
  // The table's draws changed (a forecast written or deleted): the issue
  // boxes list them again, keeping the chosen issues that remain; quiet.
  void FollowTable();
  DrawRange Range() const;
  // The issue of the range's last draw (0 when none).
  int32_t LastIssue() const;

 signals:
  void changed();

 private:
  void NearChosen();
  void SelfChosen();
  void CountEdited(const QString& text);
  void ScrollMoved(int position);
  void EnableFor(bool near);
  void Refill(bool keepChoice);

  const DrawTable& table_;
  QRadioButton* near_ = nullptr;
  QRadioButton* self_ = nullptr;
  QComboBox* count_ = nullptr;
  QScrollBar* scroll_ = nullptr;
  QComboBox* from_ = nullptr;
  QComboBox* to_ = nullptr;
  QLabel* label_ = nullptr;
};

}  // namespace dlt::gui
