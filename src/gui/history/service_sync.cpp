#include "gui/history/service_sync.h"

#include <QTimer>

#include "gui/app/app_context.h"
#include "gui/app/app_settings.h"
#include "gui/app/long_task.h"
#include "gui/app/startup_steps.h"
#include "gui/app/tdm.h"
#include "gui/app/tf_showpic.h"
#include "gui/app/window_set.h"
#include "gui/history/tf_informdownload.h"
#include "gui/history/web_fetch.h"
#include "history/draw_table.h"
#include "history/notice_page.h"

namespace dlt::gui {
namespace {

// How long the start-up sync waits before it tries again to store while
// other work reads the history.
constexpr int kStoreRetryMs = 250;

QString Joined(const std::vector<std::string>& lines) {
  QStringList out;
  for (const std::string& l : lines) out << QString::fromStdString(l);
  return out.join('\n');
}

// The address from the settings, or nullopt with the outcome's error set.
std::optional<std::string> ServiceAddress(AppContext& app, ServiceSyncOutcome& outcome) {
  const std::string url = app.settings.SyncUrl().toStdString();
  if (IsSafeWebAddress(url)) return url;
  outcome.error = QStringLiteral("开奖数据服务地址必须是以http://或https://开头的网址: %1")
                      .arg(QString::fromStdString(url));
  return std::nullopt;
}

// Stores a plan that ended well; the outcome carries what happened.
void StorePlan(AppContext& app, const SyncPlan& plan, ServiceSyncOutcome& outcome) {
  outcome.cancelled = plan.cancelled;
  outcome.error = QString::fromStdString(plan.error);
  if (!plan.ok()) return;
  try {
    outcome.result = ApplySync(app.Table(), plan);
  } catch (const std::exception& e) {
    outcome.error = QString::fromStdString(e.what());
  }
}

}  // namespace

PageFetcher QtPageFetcher(std::function<bool()> cancelled, int timeoutMs) {
  return [cancelled = std::move(cancelled), timeoutMs](const std::string& url) {
    WebFetchOptions options;
    options.timeoutMs = timeoutMs;
    options.maxBytes = kMaxServiceAnswerBytes;
    options.sameHostOnly = true;
    options.cancelled = cancelled;
    WebFetchResult r = FetchUrl(QUrl(QString::fromStdString(url)), options);
    FetchedPage page;
    page.ok = r.body.has_value();
    if (page.ok)
      page.body = r.body->toStdString();
    else
      page.error = r.error.toStdString();
    return page;
  };
}

ServiceSyncOutcome SyncWithProgress(AppContext& app, Tf_showpic& box, int timeoutMs) {
  ServiceSyncOutcome outcome;
  const auto url = ServiceAddress(app, outcome);
  if (!url) return outcome;
  const std::vector<Draw> stored = app.Table().Draws();
  SyncPlan plan;
  const TaskOutcome task =
      RunLongTask(box, QStringLiteral("正在同步开奖数据，请稍候."), true, [&](TaskControl& c) {
        SyncWatch watch;
        watch.progress = [&c](int read, int inAll) {
          c.SetTotal(inAll);
          c.SetDone(read);
        };
        watch.cancelled = [&c] { return c.Cancelled(); };
        plan = PlanSync(stored, QtPageFetcher(watch.cancelled, timeoutMs), {*url, 0}, watch);
      });
  if (!task.error.isEmpty()) {
    outcome.error = task.error;
    return outcome;
  }
  StorePlan(app, plan, outcome);
  return outcome;
}

QString ServiceSyncMessage(const ServiceSyncOutcome& o) {
  if (o.cancelled) return QStringLiteral("同步已取消，历史数据未改变");
  if (!o.error.isEmpty())
    return QStringLiteral("同步开奖数据失败：%1\n历史数据未改变").arg(o.error);
  return Joined(SyncReportLines(o.result));
}

QString StartupSyncNote(const ServiceSyncOutcome& o) {
  if (o.cancelled) return {};
  if (!o.error.isEmpty()) return QStringLiteral("同步开奖数据失败：%1").arg(o.error);
  const SyncResult& r = o.result;
  QString note;
  if (r.added > 0)
    note = QStringLiteral("同步开奖数据：新增%1期（第%2期至第%3期），共%4期")
               .arg(r.added)
               .arg(r.firstAdded)
               .arg(r.lastAdded)
               .arg(r.realDraws);
  for (const DrawDifference& d : r.differing) {
    if (!note.isEmpty()) note += '\n';
    note += QStringLiteral("与服务器不同（未改动）：") + QString::fromStdString(DifferenceLine(d));
  }
  return note;
}

StartupSync::StartupSync(AppContext& app, QObject* parent)
    : QObject(parent), app_(app), runner_(new BackgroundRunner(this)) {}

bool StartupSync::Running() const {
  return runner_->Running() || storing_;
}

bool StartupSync::Walking() const {
  return runner_->Running();
}

void StartupSync::Start(int timeoutMs) {
  if (Running()) return;
  outcome_ = {};
  const auto url = ServiceAddress(app_, outcome_);
  if (!url) {
    storing_ = true;
    QTimer::singleShot(0, this, &StartupSync::Store);
    return;
  }
  // The walk reads a copy: the history stays the interface thread's.
  std::vector<Draw> stored = app_.Table().Draws();
  storing_ = true;
  runner_->Start<SyncPlan>(
      [stored = std::move(stored), url = *url, timeoutMs](TaskControl& c) {
        auto cancelled = [&c] { return c.Cancelled(); };
        return PlanSync(stored, QtPageFetcher(cancelled, timeoutMs), {url, 0}, {{}, cancelled});
      },
      [this](std::optional<SyncPlan> plan, const TaskOutcome& outcome) {
        if (plan) plan_ = std::move(*plan);
        if (!outcome.error.isEmpty()) outcome_.error = outcome.error;
        Store();
      });
}

void StartupSync::Store() {
  // Work that reads the history off the interface thread, or an edit in
  // the data-update grid, must end before draws are added under it.
  if (outcome_.error.isEmpty() &&
      (LongTaskRunning() ||
       (app_.dm->IsOpen() && app_.Table().CurrentState() != DrawTable::State::Browse))) {
    QTimer::singleShot(kStoreRetryMs, this, &StartupSync::Store);
    return;
  }
  if (outcome_.error.isEmpty() && app_.dm->IsOpen()) {
    StorePlan(app_, plan_, outcome_);
    if (outcome_.ok() && outcome_.result.added > 0) {
      TakeLatestDraw(app_);
      emit app_.dm->coldHotChanged();
      emit app_.dm->historyChanged();
    }
  }
  plan_ = {};
  storing_ = false;
  const QString note = StartupSyncNote(outcome_);
  if (!note.isEmpty() && app_.windows)
    if (auto* popup = app_.windows->Get<Tf_informdownload>()) popup->AddNote(note);
  emit finished();
}

}  // namespace dlt::gui
