#pragma once

#include <QWidget>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QTabWidget;

namespace dlt::gui {

// The tabs of a tab widget shown as rows of tab buttons above its pages, so
// that every caption is in view at once and in full, where one tab bar
// would hide some behind scroll arrows. The tab widget keeps its tabs
// (their captions, order and current page); only its own bar is hidden.
class TabRows : public QWidget {
  Q_OBJECT
 public:
  // Puts the rows in the tab widget's place in its parent's box layout and
  // hides its bar; the tabs are split into `rows` rows (more where the
  // screen is too narrow for them) of nearly equal count, in order. Build it once the tab widget
  // has all its tabs.
  static TabRows* Replace(QTabWidget* tabs, int rows);

  int Count() const { return static_cast<int>(buttons_.size()); }
  QAbstractButton* Button(int index) const { return buttons_.at(static_cast<size_t>(index)); }
  // The row (from the top) the tab's button is in.
  int RowOf(int index) const;

 private:
  TabRows(QTabWidget* tabs, int rows);

  QTabWidget* tabs_;
  QButtonGroup* group_;
  std::vector<QAbstractButton*> buttons_;
  int perRow_ = 1;
};

}  // namespace dlt::gui
