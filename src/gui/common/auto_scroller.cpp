#include "gui/analysis/zbpxz_scroller.h"

#include <QActionGroup>
#include <QMenu>
#include <QTimer>
#include <QWidget>

namespace dlt::gui {
namespace {

QAction* Item(QMenu* menu, QActionGroup* group, const QString& name, const QString& text,
              bool checked) {
  QAction* a = menu->addAction(text);
  a->setObjectName(name);
  a->setCheckable(true);
  a->setChecked(checked);
  group->addAction(a);
  return a;
}

}  // namespace

ZbpxzScroller::ZbpxzScroller(QWidget* owner, const char* menuName, const char* timerName, bool rows,
                             Step step)
    : QObject(owner) {
  const QString prefix = QString::fromLatin1(menuName) + "_";
  menu_ = new QMenu(owner);
  menu_->setObjectName(menuName);
  timer_ = new QTimer(this);
  timer_->setObjectName(timerName);
  timer_->setInterval(1000);
  connect(timer_, &QTimer::timeout, this, [this, step] { step(forward_); });

  state_ = new QActionGroup(this);
  start_ = Item(menu_, state_, prefix + "start", QStringLiteral("开始滚动"), false);
  stop_ = Item(menu_, state_, prefix + "stop", QStringLiteral("停止滚动"), true);
  connect(start_, &QAction::triggered, this, &ZbpxzScroller::Start);
  connect(stop_, &QAction::triggered, this, &ZbpxzScroller::Stop);
  menu_->addSeparator();
  auto* direction = new QActionGroup(this);
  QAction* forward = Item(menu_, direction, prefix + "forward",
                          rows ? QStringLiteral("向下滚动") : QStringLiteral("向右滚动"), true);
  QAction* back = Item(menu_, direction, prefix + "back",
                       rows ? QStringLiteral("向上滚动") : QStringLiteral("向左滚动"), false);
  connect(forward, &QAction::triggered, this, [this] { forward_ = true; });
  connect(back, &QAction::triggered, this, [this] { forward_ = false; });
  menu_->addSeparator();
  auto* speed = new QActionGroup(this);
  const struct {
    const char* name;
    const char* text;
    int ms;
  } speeds[] = {{"slow", "慢速", 1000},
                {"middle", "中速", 800},
                {"fast", "快速", 500},
                {"fastest", "特快", rows ? 200 : 300}};
  for (const auto& s : speeds) {
    QAction* a = Item(menu_, speed, prefix + s.name, QString::fromUtf8(s.text), s.ms == 1000);
    const int ms = s.ms;
    connect(a, &QAction::triggered, this, [this, ms] { timer_->setInterval(ms); });
  }
}

void ZbpxzScroller::AddItemsTo(QMenu* menu) const {
  QAction* before = menu->actions().isEmpty() ? nullptr : menu->actions().first();
  menu->insertActions(before, menu_->actions());
  menu->insertSeparator(before);
}

void ZbpxzScroller::Start() {
  start_->setChecked(true);
  timer_->start();
}

void ZbpxzScroller::Stop() {
  timer_->stop();
  stop_->setChecked(true);
}

bool ZbpxzScroller::Running() const {
  return timer_->isActive();
}

int ZbpxzScroller::Interval() const {
  return timer_->interval();
}

}  // namespace dlt::gui
