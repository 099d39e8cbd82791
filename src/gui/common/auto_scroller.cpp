#include "gui/common/auto_scroller.h"

#include <QActionGroup>
#include <QMenu>
#include <QTimer>
#include <QWidget>

namespace dlt::gui {

QAction* CheckableMenuItem(QMenu* menu, QActionGroup* group, const QString& name,
                           const QString& text, bool checked) {
  QAction* a = menu->addAction(text);
  a->setObjectName(name);
  a->setCheckable(true);
  a->setChecked(checked);
  group->addAction(a);
  return a;
}

ScrollerNames ScrollerNames::After(const char* menu, const char* timer) {
  const QString prefix = QString::fromLatin1(menu) + "_";
  return {QString::fromLatin1(menu),
          QString::fromLatin1(timer),
          prefix + "start",
          prefix + "stop",
          prefix + "forward",
          prefix + "back",
          {prefix + "slow", prefix + "middle", prefix + "fast", prefix + "fastest"}};
}

AutoScroller::AutoScroller(QWidget* owner, const ScrollerNames& names, bool rows, Step step,
                           QMenu* into)
    : QObject(owner) {
  menu_ = into;
  if (!menu_) {
    menu_ = new QMenu(owner);
    menu_->setObjectName(names.menu);
  }
  const int firstItem = static_cast<int>(menu_->actions().size());
  timer_ = new QTimer(this);
  timer_->setObjectName(names.timer);
  timer_->setInterval(1000);
  connect(timer_, &QTimer::timeout, this, [this, step] { step(forward_); });

  auto* state = new QActionGroup(this);
  start_ = CheckableMenuItem(menu_, state, names.start, QStringLiteral("开始滚动"), false);
  stop_ = CheckableMenuItem(menu_, state, names.stop, QStringLiteral("停止滚动"), true);
  connect(start_, &QAction::triggered, this, &AutoScroller::Start);
  connect(stop_, &QAction::triggered, this, &AutoScroller::Stop);
  menu_->addSeparator();
  auto* direction = new QActionGroup(this);
  QAction* forward =
      CheckableMenuItem(menu_, direction, names.forward,
                        rows ? QStringLiteral("向下滚动") : QStringLiteral("向右滚动"), true);
  QAction* back =
      CheckableMenuItem(menu_, direction, names.back,
                        rows ? QStringLiteral("向上滚动") : QStringLiteral("向左滚动"), false);
  connect(forward, &QAction::triggered, this, [this] { forward_ = true; });
  connect(back, &QAction::triggered, this, [this] { forward_ = false; });
  menu_->addSeparator();
  auto* speed = new QActionGroup(this);
  const struct {
    const char* text;
    int ms;
  } speeds[] = {{"慢速", 1000}, {"中速", 800}, {"快速", 500}, {"特快", rows ? 200 : 300}};
  for (size_t i = 0; i < std::size(speeds); ++i) {
    QAction* a = CheckableMenuItem(menu_, speed, names.speeds[i], QString::fromUtf8(speeds[i].text),
                                   speeds[i].ms == 1000);
    const int ms = speeds[i].ms;
    connect(a, &QAction::triggered, this, [this, ms] { timer_->setInterval(ms); });
  }
  items_ = menu_->actions().mid(firstItem);
}

void AutoScroller::AddItemsTo(QMenu* menu) const {
  QAction* before = menu->actions().isEmpty() ? nullptr : menu->actions().first();
  menu->insertActions(before, items_);
  menu->insertSeparator(before);
}

void AutoScroller::Start() {
  start_->setChecked(true);
  timer_->start();
}

void AutoScroller::Stop() {
  timer_->stop();
  stop_->setChecked(true);
}

bool AutoScroller::Running() const {
  return timer_->isActive();
}

int AutoScroller::Interval() const {
  return timer_->interval();
}

}  // namespace dlt::gui
