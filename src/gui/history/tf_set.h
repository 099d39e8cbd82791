#pragma once

#include <QWidget>
#include <optional>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTabWidget;

namespace dlt::gui {

struct AppContext;

// The settings window: the custom indicator list (save/selfzb.txt) and two
// reference pages, the zone divisions and the names of the shape values.
class Tf_set : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_set(AppContext& app, QWidget* parent = nullptr);

  QListWidget* List() const { return lb_selfzb; }
  QString ListPath() const;
  // The three list actions (buttons "添加", "删除", "修改").
  void AddIndicator();
  void DeleteIndicator();
  void ModifyIndicator();
  void RefreshZoneText();
  // "保存" on the page "在线更新": stores the notice page's address, an
  // http(s) address or nothing (no download); false with a message otherwise.
  bool SaveNoticeUrl();
  // "保存" beside the history service's address: an http(s) address, or
  // nothing for the operator's own; false with a message otherwise.
  bool SaveSyncUrl();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  // The edit's address, trimmed, when it is empty or an http(s) address;
  // otherwise nullopt after telling the user what `what` must be.
  std::optional<QString> CheckedAddress(QLineEdit* edit, const QString& what);
  void LoadList();
  bool SaveList();

  AppContext& app_;
  QTabWidget* tabs_;
  QListWidget* lb_selfzb;
  QPlainTextEdit* m_zone;
  QPlainTextEdit* m_shape;
  QLineEdit* e_noticeurl;
  QLineEdit* e_syncurl;
  QCheckBox* cb_syncatstart;
};

}  // namespace dlt::gui
