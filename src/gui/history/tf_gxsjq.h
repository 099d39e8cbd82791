#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace dlt::gui {

struct AppContext;
class DrawGridView;

// The data-update window: the history in a grid with a navigator, the
// online update, text import and export, and entry of a draw by hand or on
// the number board.
class Tf_gxsjq : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_gxsjq(AppContext& app, QWidget* parent = nullptr);

  DrawGridView* Grid() const { return grid_; }
  QToolButton* NavButton(const QString& name) const;

  // The window's actions, one per button.
  void OnlineUpdateClicked();
  // "同步开奖数据": the new draws of the operator's history service.
  void SyncClicked();
  void ImportClicked(bool overwrite);
  void ExportClicked();
  void FullRefresh();
  void AddClicked();
  void GraphicalAddClicked();
  // Navigator actions.
  void Navigate(const QString& action);

  // Grid binding: attached while the window shows, detached during long
  // walks and when it closes.
  void AttachGrid();
  void DetachGrid();
  void SelectCursorRow();

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void AfterHistoryChanged();

  AppContext& app_;
  QTabWidget* tabs_;
  DrawGridView* grid_;
  QLineEdit* e_qs;
  QLineEdit* e_zh;
  QLineEdit* e_spec;
  QPushButton* b_fullrefresh;
};

}  // namespace dlt::gui
