#pragma once

#include <QObject>
#include <QString>

#include "generator/condition_list_lines.h"
#include "generator/condition_set.h"
#include "generator/value_set.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace dlt::gui {

struct AppContext;
struct ZhSession;
struct ZhFrontDialogs;

// The three lists of the front set on their pages of PageControl2:
// 自设条件 (cb_selfcond, lb_selfcond), 尾数设置 (cb_wsset, lb_wsset) and
// 自定义指标 (cb_selfzb, e_selfzb, e_selfzbqz, lb_selfzb). Entries live in
// the session's set; the list boxes show them, one line per entry.
class ZhConditionLists : public QObject {
  Q_OBJECT
 public:
  ZhConditionLists(AppContext& app, ZhSession& session, ZhFrontDialogs& dialogs, QWidget* owner);

  void BuildSelfConditions(QWidget* page);
  void BuildTailSettings(QWidget* page);
  void BuildCustomIndicators(QWidget* page);

  // Shows the set again; every line is written in `wording` (a loaded set
  // uses the file's wording, entries added here the window's).
  void Refresh(ListLineWording wording);
  // Shows entries appended to the set elsewhere (other windows add self
  // conditions and custom indicators): lines already shown keep their
  // wording, the new ones get the window's.
  void ShowAppended();
  // The same for one self condition or custom indicator another window
  // appended and words itself: its line is `line`. The custom indicator's
  // pending formula, values and 容错 are cleared as an added entry clears them.
  void ShowAppendedSelfCondition(const QString& line);
  void ShowAppendedCustomIndicator(const QString& line);
  // Checks 自定义指标 and puts the formula into e_selfzb for the user to
  // pick its values and add it.
  void OfferFormula(const QString& formula);
  // Empties the custom indicator being typed: e_selfzb, e_selfzbqz and its
  // pending values, cb_selfzbrc.
  void ClearCustomEntry();

 private:
  void RefreshControls();
  void AddSelfCondition();
  void DeleteSelfCondition();
  void AddTailSetting();
  void DeleteTailSetting();
  void PickCustomValues();
  void AddCustomIndicator();
  void DeleteCustomIndicator();
  void Inform(const std::string& text);

  AppContext& app_;
  ZhSession& session_;
  ZhFrontDialogs& dialogs_;
  QWidget* owner_;
  // One list of entries with its switch and its add and delete buttons:
  // 自设条件 (cb_selfcond, lb_selfcond, b_addanyzh, b_selfcondsub) and
  // 尾数设置 (cb_wsset, lb_wsset, b_wsset_add, b_wsset_delete).
  struct EntryList {
    QCheckBox* box = nullptr;
    QListWidget* list = nullptr;
    QPushButton* add = nullptr;
    QPushButton* remove = nullptr;
    void Show(bool enabled);
  };
  struct EntryListNames {
    QString caption;
    const char* box;
    const char* list;
    const char* add;
    const char* remove;
  };
  // Builds one entry list on `page` and binds it to the set.
  EntryList BuildEntryList(QWidget* page, const EntryListNames& names,
                           void (ConditionSet::*setEnabled)(bool), void (ZhConditionLists::*add)(),
                           void (ZhConditionLists::*remove)());

  EntryList selfConditions_;
  EntryList tailSettings_;
  QCheckBox* cb_selfzb = nullptr;
  QLineEdit* e_selfzb = nullptr;
  QPushButton* b_fzsr = nullptr;
  QLineEdit* e_selfzbqz = nullptr;
  QPushButton* b_selfzb = nullptr;
  QCheckBox* cb_selfzbrc = nullptr;
  QPushButton* b_addselfzb = nullptr;
  QPushButton* b_deleteselfzb = nullptr;
  QListWidget* lb_selfzb = nullptr;
  ValueSet pendingValues_;  // 取值 of the custom indicator being typed
};

}  // namespace dlt::gui
