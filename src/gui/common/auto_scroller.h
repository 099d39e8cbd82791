#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QAction;
class QActionGroup;
class QMenu;
class QTimer;
class QWidget;

namespace dlt::gui {

// A checkable item at the end of a menu, one of `group`'s.
QAction* CheckableMenuItem(QMenu* menu, QActionGroup* group, const QString& name,
                           const QString& text, bool checked);

// The object names of a scroller's menu, timer and items.
struct ScrollerNames {
  QString menu, timer, start, stop, forward, back;
  std::array<QString, 4> speeds;  // slow, middle, fast, fastest
  // The items named after the menu: "<menu>_start", "<menu>_forward", ...
  static ScrollerNames After(const char* menu, const char* timer);
};

// Automatic scrolling from a popup menu: "开始滚动"/"停止滚动", a direction
// and a speed. Charts step their draws ("向右滚动" like "下一条", "向左滚动"
// like "上一条"; 慢速 1000 ms, 中速 800, 快速 500, 特快 300); grids step their
// rows ("向下滚动"/"向上滚动", 特快 at 200 ms).
class AutoScroller : public QObject {
  Q_OBJECT
 public:
  using Step = std::function<void(bool forward)>;

  // The items go at the end of `into`, or into a menu of their own.
  AutoScroller(QWidget* owner, const ScrollerNames& names, bool rows, Step step,
               QMenu* into = nullptr);
  AutoScroller(QWidget* owner, const char* menuName, const char* timerName, bool rows, Step step)
      : AutoScroller(owner, ScrollerNames::After(menuName, timerName), rows, std::move(step)) {}

  QMenu* Menu() const { return menu_; }
  // Puts the scrolling items into another menu (a chart's own popup).
  void AddItemsTo(QMenu* menu) const;
  void Start();
  // Stops the timer and checks "停止滚动" (leaving the tab).
  void Stop();
  bool Running() const;
  bool Forward() const { return forward_; }
  int Interval() const;
  QTimer* Timer() const { return timer_; }

 private:
  QMenu* menu_ = nullptr;
  QTimer* timer_ = nullptr;
  QAction* start_ = nullptr;
  QAction* stop_ = nullptr;
  QList<QAction*> items_;
  bool forward_ = true;
};

}  // namespace dlt::gui
