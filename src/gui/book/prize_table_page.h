#pragma once

#include <QWidget>
#include <array>

class QLineEdit;

namespace dlt::gui {

struct AppContext;

// The page "奖金设置" of the settings window: what a ticket costs and the
// fixed prize of each tier that the ticket book counts; a tier left empty
// floats (its amount is the one stored for the draw).
class PrizeTablePage : public QWidget {
  Q_OBJECT
 public:
  explicit PrizeTablePage(AppContext& app, QWidget* parent = nullptr);

  // Fills the edits from the settings.
  void Load();
  // "保存": every edit is checked first; a bad one is named and nothing is
  // stored.
  bool Save();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  AppContext& app_;
  QLineEdit* e_ticketprice;
  std::array<QLineEdit*, 9> e_prize{};  // 1..8
};

}  // namespace dlt::gui
