#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "trend/item_tally.h"

class QGridLayout;
class QGroupBox;
class QLabel;

namespace dlt::gui {

// The item tallies of a "分项统计" page: a group box per group, a row per
// item with its text, its percentage and its bar (a coloured label of the
// bar's width). The controls are made on the first fill and named
// l_<group>_<row>, l_<group>_<row>_bfb and l_<group>_<row>_bar (rows from 1).
class ItemGroupsView : public QWidget {
  Q_OBJECT
 public:
  explicit ItemGroupsView(int columns, QWidget* parent = nullptr);

  void SetGroups(const std::vector<ItemGroup>& groups);
  // Where a page puts controls of its own beside the groups (the divisor boxes).
  QGroupBox* GroupBox(const std::string& id) const;

 private:
  struct Row {
    QLabel* text;
    QLabel* percent;
    QLabel* bar;
  };
  void Build(const std::vector<ItemGroup>& groups);

  int columns_;
  QGridLayout* grid_ = nullptr;
  std::map<std::string, QGroupBox*> boxes_;
  std::map<std::string, std::vector<Row>> rows_;
};

}  // namespace dlt::gui
