#pragma once

#include <QWidget>
#include <functional>

#include "chart/page_window.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace dlt {
class DrawTable;
}

namespace dlt::gui {

// The object names of a page's paging controls; an empty jump name means
// the page has no jump field. The "最新" button is named after the page
// forward button with "_newest".
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
// "下一页" by the page size, "上一条" / "下一条" by one draw, "最新" to the
// page ending on the newest draw. Moves stop at either end of the history;
// every move asks the page to redraw. A page that pages something other
// than the anchor gives its own move (and has no "最新").
//
// The chart it drives (Drive) pages by keyboard and wheel too: PgUp/PgDn a
// page, Home/End the first/newest page, Left/Right one draw, the wheel a
// page per notch. With a zoom box (AddZoomBox) the page size is the box's:
// its "显示N期" choices or a typed number of draws, and Ctrl+wheel zooms.
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
  void SetMove(Move move);
  // Puts the zoom box named `name` at the front of the bar; from then on it
  // sets the page size, starting at "显示36期".
  QComboBox* AddZoomBox(const char* name);
  // Keys and wheel over `chart` page this bar (and zoom it when it has a box).
  void Drive(QWidget* chart);

  int PageSize() const { return pageSize_(); }
  // Moves as the named button or key does, then asks for a redraw.
  void Go(PageMove move);
  // The zoom box's page size after `notches` of Ctrl+wheel; false without a box.
  bool Zoom(int notches);

 signals:
  void moved();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Jump();
  void ApplyZoomText();
  void ShowSpan();

  TableOf table_;
  std::function<int()> pageSize_;
  Move move_;
  QLineEdit* edit_ = nullptr;
  QPushButton* newest_ = nullptr;
  QComboBox* zoom_ = nullptr;
  int span_ = kPageSpan;
  int wheelRest_ = 0;  // a touchpad's part of a notch, kept for the next event
};

// Moves the table's cursor by n draws or to a typed issue (kept when the
// text is empty or names no draw). True when the text named a draw.
void MoveAnchor(DrawTable& table, int n);
bool JumpAnchor(DrawTable& table, const QString& text);

}  // namespace dlt::gui
