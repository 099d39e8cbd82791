#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <map>

#include "generator/condition_table.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace dlt::gui {

class MaskedEdit;

struct AppContext;
struct ZhSession;
struct ZhFrontDialogs;

// The inner page control `PageControl2` of "主区过滤" with the four-widget
// group of every front condition, generated from the condition table:
// cb_<stem> (enabled), e_<stem> (the values, read-only), b_<stem> ("...")
// and cb_<stem>rc (容错); the two range conditions have the bound edits
// me_<stem>from / me_<stem>to instead of a value edit and a button. Every
// widget writes straight into the session's set; the widgets only show it.
class ZhConditionGroups : public QObject {
  Q_OBJECT
 public:
  ZhConditionGroups(AppContext& app, ZhSession& session, ZhFrontDialogs& dialogs, QWidget* owner);

  // Builds PageControl2 with its tabs and flat sub-tabs.
  QTabWidget* Build(QWidget* parent);
  // The page of PageControl2 with this caption ("自设条件"), null when none.
  QWidget* Page(const QString& caption) const;
  // Shows the set again in every group.
  void Refresh();
  void RefreshGroup(int number);

 private:
  struct Group {
    QCheckBox* enable = nullptr;
    QLineEdit* values = nullptr;
    QPushButton* pick = nullptr;
    QCheckBox* tolerant = nullptr;
    MaskedEdit* from = nullptr;  // range conditions
    MaskedEdit* to = nullptr;
  };

  QWidget* BuildRows(const std::vector<const FrontCondition*>& conditions);
  void AddGroup(const FrontCondition& c, QGridLayout* grid, int row, int column);
  void Toggle(int number, bool on);
  void SetTolerant(int number, bool on);
  void Pick(int number);
  void BoundsEdited(int number);
  void Refuse(const std::string& error, int number);

  AppContext& app_;
  ZhSession& session_;
  ZhFrontDialogs& dialogs_;
  QWidget* owner_;
  std::array<Group, kFrontConditionCount + 1> groups_{};
  std::map<QString, QWidget*> pages_;
};

}  // namespace dlt::gui
