#pragma once

#include <QWidget>
#include <functional>

class QLineEdit;
class QPushButton;

namespace dlt {
class DrawTable;
}

namespace dlt::gui {

// The object names of a page's paging controls; an empty jump name means
// the page has no jump field.
struct PagingNames {
  const char* jumpButton = "";
  const char* jumpEdit = "";
  const char* pageBack = "";
  const char* pageForward = "";
  const char* stepBack = "";
  const char* stepForward = "";
};

// The paging row of a chart page: "跳转" to the issue typed in the edit (an
// empty field does nothing, an unknown issue leaves the anchor), "上一页" /
// "下一页" by the page size, "上一条" / "下一条" by one draw. Moves stop at
// either end of the history; every press asks the page to redraw. A page
// that pages something other than the anchor gives its own move.
class PagingBar : public QWidget {
  Q_OBJECT
 public:
  using Move = std::function<void(int delta)>;
  // The table whose cursor is paged, asked at every press (a page may read
  // another table from one showing to the next).
  using TableOf = std::function<DrawTable&()>;

  PagingBar(DrawTable& table, const PagingNames& names, std::function<int()> pageSize,
            QWidget* parent = nullptr);
  PagingBar(TableOf table, const PagingNames& names, std::function<int()> pageSize,
            QWidget* parent = nullptr);
  // Replaces the anchor moves (the omission-event pages page their events).
  void SetMove(Move move) { move_ = std::move(move); }

 signals:
  void moved();

 private:
  void Step(int delta);
  void Jump();

  TableOf table_;
  std::function<int()> pageSize_;
  Move move_;
  QLineEdit* edit_ = nullptr;
};

// Moves the table's cursor by n draws or to a typed issue (kept when the
// text is empty or names no draw). True when the text named a draw.
void MoveAnchor(DrawTable& table, int n);
bool JumpAnchor(DrawTable& table, const QString& text);

}  // namespace dlt::gui
