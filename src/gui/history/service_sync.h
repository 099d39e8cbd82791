#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "history/results_sync.h"

namespace dlt::gui {

struct AppContext;
class BackgroundRunner;
class Tf_showpic;

// Pages of the history service fetched with Qt Network on the calling
// thread: same-host redirects only, the answer size limit, the time-out.
PageFetcher QtPageFetcher(std::function<bool()> cancelled, int timeoutMs = kSyncTimeoutMs);

struct ServiceSyncOutcome {
  bool cancelled = false;
  QString error;  // why nothing was stored
  SyncResult result;
  bool ok() const { return !cancelled && error.isEmpty(); }
};

// "同步开奖数据" of the data-update window: the pages are read off the
// interface thread under the message box (progress by page, cancel), then
// the new draws and prize amounts are stored in one transaction.
ServiceSyncOutcome SyncWithProgress(AppContext& app, Tf_showpic& box,
                                    int timeoutMs = kSyncTimeoutMs);
// What the window tells: "同步N期, 共M期" and the draws that differ, or why
// nothing was stored.
QString ServiceSyncMessage(const ServiceSyncOutcome& o);
// The line of the start-up notice; empty when there is nothing to tell
// (the history was up to date).
QString StartupSyncNote(const ServiceSyncOutcome& o);

// The sync at start: the pages are read in the background while the
// program is in use; the draws are stored once no other work reads the
// history off the interface thread, the numbers are classified again at
// the new last draw, and the notice tells what was added.
class StartupSync : public QObject {
  Q_OBJECT
 public:
  explicit StartupSync(AppContext& app, QObject* parent = nullptr);
  // A running walk is cancelled with it; nothing is stored then.

  void Start(int timeoutMs = kSyncTimeoutMs);
  // From Start until `finished`.
  bool Running() const;
  // While the pages are read (before the store).
  bool Walking() const;
  const ServiceSyncOutcome& Outcome() const { return outcome_; }

 signals:
  // The walk ended and what it found is stored (or it failed).
  void finished();

 private:
  void Store();

  AppContext& app_;
  BackgroundRunner* runner_;
  SyncPlan plan_;
  ServiceSyncOutcome outcome_;
  bool storing_ = false;
};

}  // namespace dlt::gui
