#include "gui/generator/zh_tools.h"

#include <QPushButton>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "generator/batch_filter.h"
#include "generator/condition_check.h"
#include "generator/condition_report.h"
#include "gui/app/app_context.h"
#include "gui/app/long_task.h"
#include "gui/app/shell_services.h"
#include "gui/app/text_file_viewer.h"
#include "gui/app/tf_showpic.h"
#include "gui/app/utf8_text.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_condchoice.h"
#include "gui/generator/tf_groupfilter.h"
#include "gui/generator/tf_qh.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_front_page.h"
#include "gui/generator/zh_run_texts.h"
#include "gui/generator/zh_session.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

// Writes the report file and opens it in the desktop's editor.
void WriteAndOpen(AppContext& app, const std::vector<std::string>& lines, QWidget* parent) {
  std::string error;
  if (!app.folder.Ensure(&error)) {
    app.shell.Inform(parent, Q(error));
    return;
  }
  const std::string path = app.folder.Path(std::string(kConditionReportFile));
  if (!WriteConditionReport(path, lines, &error)) {
    app.shell.Inform(parent, Q(error));
    return;
  }
  OpenDocument(app.shell, parent, Q(path));
}

}  // namespace

void ShowConditionListReport(AppContext& app, ZhSession& session, QWidget* parent) {
  WriteAndOpen(app, ConditionListReport(session.set), parent);
}

void ShowConditionCheckReport(AppContext& app, ZhSession& session, QWidget* parent) {
  Tf_qh* issue = app.windows->Get<Tf_qh>();
  Tf_condchoice* choice = app.windows->Get<Tf_condchoice>();
  if (!issue || !choice) return;
  issue->Prepare();
  if (app.shell.ExecDialog(*issue) != QDialog::Accepted) return;
  const auto qs = issue->ChosenDraw();
  if (!qs) {
    app.shell.Inform(parent, QStringLiteral("历史数据中没有可供检验的开奖号码"));
    return;
  }
  if (app.shell.ExecDialog(*choice) != QDialog::Accepted) return;
  ShowConditionCheckReport(app, session.set, *qs, choice->Mode(), parent);
}

void ShowConditionCheckReport(AppContext& app, const ConditionSet& set, int32_t qs, CheckMode mode,
                              QWidget* parent) {
  std::string error;
  const auto draw = PastDrawCheck::FromTable(app.Table(), qs, app.env, &error);
  if (!draw) {
    app.shell.Inform(parent, Q(error));
    return;
  }
  WriteAndOpen(app, ConditionCheckReport(set, *draw, mode), parent);
}

void RunBatchFilter(AppContext& app, ZhSession& session, Tf_zh& window) {
  Tf_groupfilter* dialog = app.windows->Get<Tf_groupfilter>();
  Tf_showpic* box = app.windows->Get<Tf_showpic>();
  if (!dialog || !box) return;
  if (app.shell.ExecDialog(*dialog) != QDialog::Accepted) return;
  const std::vector<std::string> paths = dialog->Paths();

  // The batch works on copies: a cancelled batch leaves the window's set
  // and list as they were.
  ConditionSet set = session.set;
  ResultList list = session.front;
  FilterEnvironment env = PrepareRun(app, session);
  BatchOutcome batch;
  const TaskOutcome task =
      RunLongTask(*box, QString::fromUtf8(kFilteringNotice), true, [&](TaskControl& control) {
        env.progress = [&control](int64_t done, int64_t total) {
          control.SetTotal(static_cast<int>(total));
          control.SetDone(static_cast<int>(done));
          return !control.Cancelled();
        };
        batch = dlt::RunBatchFilter(env, paths, set, list);
      });
  if (!task.error.isEmpty()) {
    app.shell.Inform(&window, task.error);
    return;
  }
  if (task.cancelled || batch.cancelled) {
    app.shell.Inform(&window, QString::fromUtf8(kFilterCancelledMessage));
    return;
  }
  for (const BatchStep& step : batch.steps)
    if (!step.message.empty()) app.shell.Inform(&window, Q(step.path + ": " + step.message));
  session.set = set;
  session.front = list;
  // A list that came from a run can be filtered further, as after 常规过滤.
  const bool ran = std::any_of(batch.steps.begin(), batch.steps.end(), [](const BatchStep& s) {
    return s.kind == BatchStepKind::kFiltered;
  });
  if (ran) window.FrontPage().AllowContinueFiltering();
  session.front.FirstPage();
  window.FrontPage().RefreshConditions(true);
  std::optional<int64_t> elapsed;
  for (const BatchStep& step : batch.steps)
    if (step.kind == BatchStepKind::kFiltered || step.kind == BatchStepKind::kContinued)
      elapsed = elapsed.value_or(0) + step.outcome.elapsedMicros;
  window.FrontPage().RefreshList(elapsed);
  if (!batch.caption.empty()) window.setWindowTitle(Q(batch.caption));
  app.shell.Inform(&window, Q(batch.message));
}

}  // namespace dlt::gui
