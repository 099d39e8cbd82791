#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "trend/item_tally.h"
#include "trend/tally_chances.h"

class QGridLayout;
class QGroupBox;
class QLabel;

namespace dlt::gui {

// The item tallies of a "分项统计" page: a group box per group, a row per
// item with its text, its percentage and its bar (a coloured label of the
// bar's width), and when asked what chance gives the item and the group's
// fit. The controls are made on the first fill and named l_<group>_<row>,
// l_<group>_<row>_bfb, l_<group>_<row>_bar, l_<group>_<row>_qw (rows from 1)
// and l_<group>_fit; each box's context menu holds n_zbpx_<key> for the
// indicators the group tallies.
class ItemGroupsView : public QWidget {
  Q_OBJECT
 public:
  explicit ItemGroupsView(int columns, QWidget* parent = nullptr);

  void SetGroups(const std::vector<ItemGroup>& groups);
  // What chance gives each line, one entry per group in the groups' order;
  // empty hides it.
  void SetChances(const std::vector<ItemGroupChance>& chances);
  // Where a page puts controls of its own beside the groups (the divisor boxes).
  QGroupBox* GroupBox(const std::string& id) const;

 signals:
  // A group box's context menu asked for the indicator analysis of a
  // catalogue key the group tallies.
  void analyseRequested(const std::string& key);

 private:
  struct Row {
    QLabel* text;
    QLabel* percent;
    QLabel* bar;
    QLabel* chance;
  };
  void Build(const std::vector<ItemGroup>& groups);
  void OfferAnalyses(const ItemGroup& g);

  int columns_;
  QGridLayout* grid_ = nullptr;
  std::map<std::string, QGroupBox*> boxes_;
  std::map<std::string, std::vector<Row>> rows_;
  std::vector<std::string> order_;                           // the group ids in their order
  std::map<std::string, QLabel*> fits_;                      // per group
  std::map<std::string, std::vector<std::string>> offered_;  // the keys each box offers
};

}  // namespace dlt::gui
