#pragma once

#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

#include "book/book_view.h"
#include "generator/result_numbers.h"

class QLabel;
class QPlainTextEdit;
class QTableView;

namespace dlt::gui {

struct AppContext;
class BookTableModel;
class ChartView;
class Tf_jrtz;
class Tf_srjj;

// "我的投注": the ticket book. The entries with their status and results,
// the winning tickets of the chosen one, the running balance over the
// draws and the totals; entries come from ticket files or from the
// generator's two-zone list, and are graded whenever their draw is stored.
class Tf_wdtz : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_wdtz(AppContext& app, QWidget* parent = nullptr);

  // Reads the book again into the list, the chart and the totals.
  void Refresh();
  // "加入投注记录": asks for the name and the draw (by default the one after
  // the newest stored draw) and keeps a copy of the tickets. The new id, or
  // nullopt when cancelled or refused (the user is told why).
  std::optional<int64_t> AskAndAdd(const std::vector<Ticket>& tickets, const QString& name);

  // The window's actions, one per button.
  void AddFromFile();
  void RemoveSelected();
  void EnterAmount();
  void SelectEntry(int64_t id);
  int64_t SelectedId() const;

  const BookView& View() const { return view_; }
  // What the last grading after a store had to say.
  const QStringList& LastNotes() const { return lastNotes_; }
  ChartView* Chart() const { return i_balance; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void Graded(const GradingReport& report, const QString& error);
  void ShowWinners();
  StoredAmounts Amounts() const;
  bool Usable();

  AppContext& app_;
  BookView view_;
  QStringList lastNotes_;
  BookTableModel* model_;
  QTableView* sg_book;
  QPlainTextEdit* m_winners;
  ChartView* i_balance;
  QLabel* l_total;
  QLabel* l_problem;
  Tf_jrtz* entryDialog_;
  Tf_srjj* amountDialog_;
};

}  // namespace dlt::gui
