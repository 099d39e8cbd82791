// The tools of a banker and kill tab that reach beyond the tab: the formula
// search, the optimisation, the intersection statistics, the export, the
// sorts, and the hand-off of the prediction to the generator.
#include <QDialog>
#include <QPlainTextEdit>
#include <algorithm>

#include "common/gbk_text.h"
#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
#include "gui/app/text_file_viewer.h"
#include "gui/app/window_set.h"
#include "gui/killnum/kill_grid_model.h"
#include "gui/killnum/kill_handoff.h"
#include "gui/killnum/tdsh_page.h"
#include "gui/killnum/tf_resultjq.h"
#include "gui/killnum/tf_scfa.h"
#include "gui/killnum/tf_searchgs.h"
#include "gui/killnum/tf_tdsh.h"
#include "history/draw_text_io.h"
#include "killnum/kill_reports.h"
#include "killnum/scheme_files.h"

namespace dlt::gui {
namespace {

QStringList ToQt(const std::vector<std::string>& lines) {
  QStringList out;
  for (const std::string& l : lines) out << QString::fromStdString(l);
  return out;
}

}  // namespace

// Both searches look at the draws the grid shows, so the rate found can be
// compared with the grid's; the better one asks for at least one success
// more than the formula in the edit's slot.
void TdshPage::OpenSearch(bool better) {
  auto* search = app_.windows->Get<Tf_searchgs>();
  if (!search || !analysis_) return;
  Tf_searchgs::Request request;
  request.kind = setup_.kind;
  request.customIndicator = QString::fromStdString(custom_.indicator);
  const int judged = analysis_->judgedRows;
  if (judged > 0) {
    request.start = analysis_->rows.front().index;
    request.end = analysis_->rows[static_cast<size_t>(judged - 1)].index;
  }
  if (better && judged > 0 && Slot() <= analysis_->formulaCount) {
    const int successes = analysis_->successes[static_cast<size_t>(Slot() - 1)];
    request.targetFrom = std::min(100.0, RatePercent(std::min(successes + 1, judged), judged));
  }
  search->Prepare(request);
  if (app_.shell.ExecDialog(*search) != QDialog::Accepted || search->Found().isEmpty()) return;
  MutableBook().SetFormula(Scheme(), Slot(), search->Found().toStdString());
  ShowSlot();
  RunAnalysis();
}

void TdshPage::OpenOptimisation() {
  auto* optimise = app_.windows->Get<Tf_scfa>();
  if (!optimise || !analysis_) return;
  Tf_scfa::Request request;
  request.wanted = Count();
  request.kind = setup_.kind;
  request.customIndicator = QString::fromStdString(custom_.indicator);
  const int judged = analysis_->judgedRows;
  if (judged > 0) {
    request.start = analysis_->rows.front().index;
    request.end = analysis_->rows[static_cast<size_t>(judged - 1)].index;
  }
  optimise->Prepare(request);
  if (app_.shell.ExecDialog(*optimise) != QDialog::Accepted) return;
  std::vector<std::string> accepted;
  for (const QString& f : optimise->Accepted()) accepted.push_back(f.toStdString());
  if (!accepted.empty()) FillScheme(accepted);
}

void TdshPage::ShowIntersection() {
  auto* result = app_.windows->Get<Tf_resultjq>();
  if (!result || !analysis_) return;
  const IntersectionTexts t = Intersection(*analysis_);
  result->SetTexts(ToQt(t.byNumber), ToQt(t.byFormula));
  app_.shell.ExecDialog(*result);
}

void TdshPage::ExportGrid() {
  if (!analysis_) return;
  const QString title =
      IsBanker(setup_.kind) ? QStringLiteral("导出提胆数据") : QStringLiteral("导出杀号数据");
  const QString name = app_.shell.SaveFileName(
      this, title, QString::fromStdString(app_.folder.Root()), QStringLiteral("文本文件(*.txt)"));
  if (name.isEmpty()) return;
  const std::string path = WithTxtExtension(name.toStdString());
  std::string error;
  if (!WriteGbkLines(path, GridLines(model_->Rows()), &error)) {
    app_.shell.Inform(this, QString::fromStdString(error));
    return;
  }
  OpenDocument(app_.shell, this, QString::fromStdString(path));
}

// The formulas in use, best rate first (equal rates keep their order).
void TdshPage::SortByRate() {
  if (!analysis_) return;
  const std::vector<std::string> formulas = Formulas();
  std::vector<std::string> sorted;
  for (int slot : SlotsByRate(*analysis_))
    sorted.push_back(formulas[static_cast<size_t>(slot - 1)]);
  FillScheme(sorted);
}

void TdshPage::ShowByFrequency() {
  if (!analysis_) return;
  memo_->setPlainText(QString::fromStdString(FrequencyText(*analysis_)));
}

// Kill lists leave the generator's pool, banker lists become its bankers;
// the custom tab adds its indicator as a custom condition that allows the
// values of interest the prediction does not kill.
void TdshPage::SendToFilter() {
  if (!analysis_) return;
  KillTransfer transfer;
  transfer.kind = setup_.kind;
  transfer.list = RowNumbers(*analysis_, analysis_->Prediction());
  if (setup_.kind == KillKind::Custom) {
    transfer.list = analysis_->Prediction().list;
    transfer.indicator = custom_.indicator;
    transfer.from = custom_.from;
    transfer.to = custom_.to;
  }
  SendKillsToGenerator(app_, this, transfer);
}

}  // namespace dlt::gui
