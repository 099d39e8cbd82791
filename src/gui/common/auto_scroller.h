#pragma once

#include <QObject>
#include <functional>

class QAction;
class QActionGroup;
class QMenu;
class QTimer;
class QWidget;

namespace dlt::gui {

// Automatic scrolling from a popup menu: "开始滚动"/"停止滚动", a direction
// and a speed. Chart tabs step their draws ("向右滚动" like "下一条",
// "向左滚动" like "上一条"; 慢速 1000 ms, 中速 800, 快速 500, 特快 300); grid
// tabs step their rows ("向下滚动"/"向上滚动", 特快 at 200 ms).
class ZbpxzScroller : public QObject {
  Q_OBJECT
 public:
  using Step = std::function<void(bool forward)>;

  ZbpxzScroller(QWidget* owner, const char* menuName, const char* timerName, bool rows, Step step);

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
  QActionGroup* state_ = nullptr;
  bool forward_ = true;
};

}  // namespace dlt::gui
