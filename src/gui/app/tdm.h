#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "book/book_grading.h"
#include "book/ticket_book.h"
#include "history/draw_table.h"

namespace dlt::gui {

class DrawTableModel;

// The data module: the shared draw table `t_basedata` and the model
// `ds_basedata` that the data-update window's grid shows, and the ticket
// book that every store of draws in the table grades.
class Tdm : public QObject {
  Q_OBJECT
 public:
  explicit Tdm(QObject* parent = nullptr);
  ~Tdm() override;

  // Opens (creating when absent) the table file; throws DbError.
  void Open(const std::string& path);
  void Close();
  bool IsOpen() const { return t_basedata != nullptr; }

  // Opens (creating when absent) the ticket book and grades what the draws
  // stored meanwhile call for. A damaged book is left as it is: false, and
  // BookProblem() says why.
  bool OpenBook(const std::string& path);
  TicketBook* Book() const { return book_.get(); }
  const QString& BookProblem() const { return bookProblem_; }

  std::unique_ptr<DrawTable> t_basedata;
  DrawTableModel* ds_basedata = nullptr;

  // The table's rows changed outside the model (a forecast written or
  // deleted, an import): the model shows them again and the windows that
  // list the issues follow.
  void TableChanged();

 signals:
  // The table's rows changed: TableChanged() or historyChanged().
  void tableChanged();
  // The numbers were classified cold/warm/hot again.
  void coldHotChanged();
  // Draws were added while windows may be showing the history (the
  // background sync at start).
  void historyChanged();
  // Stored draws graded entries of the book (on the interface thread, also
  // when the store ran off it); `error` when the grading failed.
  void bookGraded(const dlt::GradingReport& report, const QString& error);

 private:
  void Told(const GradingReport& report, const std::string& error);

  std::unique_ptr<TicketBook> book_;
  QString bookProblem_;
};

}  // namespace dlt::gui
