#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTableView;

namespace dlt::gui {

struct AppContext;
struct ZhSession;
class Tf_zh;
class ZhRecordModel;
class ZhStatusLine;

// The tab sheet "双区匹配" of the generator window: the front and back
// lists joined into tickets, the two-zone list with its buttons, random
// tickets and the prize check.
class ZhMatchPage : public QWidget {
  Q_OBJECT
 public:
  ZhMatchPage(AppContext& app, ZhSession& session, Tf_zh& window, QWidget* parent = nullptr);

  // Shows the two-zone list and its caption; with `withPrize` the ninth
  // column "中奖情况" holds each ticket's prize.
  void ShowList(bool withPrize = false);
  // The same after matching or a random pick that took `elapsedMicros`.
  void ShowMadeList(int64_t elapsedMicros);
  // The same after a ticket was deleted, edited or appended.
  void ShowEditedList();
  QTableView* Grid() const { return sg_sqzh; }

 private:
  void Match();
  void RandomTickets();
  void CheckPrizes();
  // "加入投注记录": the list in hand into the ticket book.
  void AddToBook();

  int SelectedRecord() const;
  void DeleteTicket();
  void EditTicket();
  void AppendTicket();
  void SaveTickets();
  void LoadTickets();
  void TicketToForecast();
  void ClearForecast();
  void Print();

  AppContext& app_;
  ZhSession& session_;
  Tf_zh& window_;

  QComboBox* cb_sqzh_style = nullptr;
  QLineEdit* me_zh_jxzh = nullptr;
  QPlainTextEdit* m_reward = nullptr;
  QTableView* sg_sqzh = nullptr;
  ZhStatusLine* l_sq_status = nullptr;
  std::optional<int64_t> madeMicros_;  // the matching or pick that made the list shown
  ZhRecordModel* model_ = nullptr;
  bool withPrize_ = false;
};

}  // namespace dlt::gui
