#pragma once

#include "generator/back_list.h"
#include "generator/condition_set.h"
#include "generator/filter_run.h"
#include "generator/result_list.h"
#include "generator/snapshot_ring.h"
#include "generator/ticket_list.h"
#include "history/memory_history.h"

namespace dlt::gui {

struct AppContext;

// Everything the generator window keeps between clicks: the condition set
// of both zones, the three lists and the ring of the last runs' sets. The
// pages of the window share one session; none of them judges anything.
struct ZhSession {
  ConditionSet set;
  ResultList front;       // sg_zqresult
  BackList back;          // the back-zone list of "副区过滤"
  TicketList tickets;     // the two-zone list of "双区匹配"
  SnapshotRing ring;      // `tjlq`
  MemoryHistory history;  // reloaded from the table before every run
  // Replaces the front judge of every run when set (tests hold a run at
  // will); empty: the engine's own.
  FrontJudgeFactory makeFrontJudge;
};

// The environment of one run: the shared table, the in-memory history
// reloaded from it (the table may have changed since the last run), the
// evaluation settings, and the ring with its folder.
FilterEnvironment PrepareRun(AppContext& app, ZhSession& session);

}  // namespace dlt::gui
