#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace dlt::gui {

struct AppContext;
struct ZhSession;
struct ZhFrontDialogs;

// The parts of the front set beside the condition groups: the number pool
// and the bankers with their memos, the three switches, 总容错 and the
// reset button `Button6` "重置".
class ZhFrontSettings : public QWidget {
  Q_OBJECT
 public:
  ZhFrontSettings(AppContext& app, ZhSession& session, ZhFrontDialogs& dialogs,
                  QWidget* parent = nullptr);

  void Refresh();

 signals:
  // 重置 reset the front set; every part of the page shows it again.
  void frontReset();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PickPool();
  void PickBankers();
  void ToleranceEdited();

  AppContext& app_;
  ZhSession& session_;
  ZhFrontDialogs& dialogs_;
  QPlainTextEdit* m_zqkxhm = nullptr;
  QPlainTextEdit* m_zqdm = nullptr;
  QCheckBox* cb_nothistory = nullptr;
  QCheckBox* cb_notequaldist = nullptr;
  QCheckBox* cb_specnext = nullptr;
  QCheckBox* cb_rcnumlimit = nullptr;
  QComboBox* combo_rcnum_from = nullptr;
  QComboBox* combo_rcnum_to = nullptr;
};

}  // namespace dlt::gui
