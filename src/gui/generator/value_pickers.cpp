#include "gui/generator/value_pickers.h"

#include <QDialog>

#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_fzsr.h"
#include "gui/generator/tf_getchoiceextend.h"
#include "gui/generator/tf_getchoiceextend_plus.h"
#include "gui/generator/tf_selfcond.h"
#include "gui/generator/tf_wsset.h"
#include "gui/generator/tf_xgzh.h"

namespace dlt::gui {

namespace {

template <class T>
T* Dialog(AppContext& app) {
  return app.windows ? app.windows->Get<T>() : nullptr;
}

}  // namespace

std::optional<std::vector<int>> PickValues(AppContext& app, QWidget*, const PickRequest& request) {
  // The tiles reach 0..180 only; a wider range goes to the long check list
  // rather than losing the values beyond the last tile.
  const bool tilesFit = request.first >= 0 && request.last < Tf_getchoiceextend::kTileCount;
  if (request.checkList || !tilesFit) {
    auto* dialog = Dialog<Tf_getchoiceextend_plus>(app);
    if (!dialog) return std::nullopt;
    dialog->Prepare(request.first, request.last, request.current.value_or(0));
    dialog->SetStudySubject(request.study);
    dialog->Begin(request.selected);
    if (app.shell.ExecDialog(*dialog) != QDialog::Accepted) return std::nullopt;
    return dialog->SelectedValues();
  }
  auto* dialog = Dialog<Tf_getchoiceextend>(app);
  if (!dialog) return std::nullopt;
  dialog->Prepare(request.first, request.last, request.current);
  dialog->SetStudySubject(request.study);
  dialog->Begin(request.selected);
  if (app.shell.ExecDialog(*dialog) != QDialog::Accepted) return std::nullopt;
  return dialog->SelectedValues();
}

std::optional<SelfCondition> EnterSelfCondition(AppContext& app, QWidget*) {
  auto* dialog = Dialog<Tf_selfcond>(app);
  if (!dialog) return std::nullopt;
  dialog->SetCountRowVisible(true);
  dialog->Begin();
  if (app.shell.ExecDialog(*dialog) != QDialog::Accepted) return std::nullopt;
  auto counts = ValueSet::From(dialog->Counts());
  if (!counts) return std::nullopt;
  SelfCondition entry;
  entry.numbers = dialog->Numbers();
  entry.counts = std::move(*counts);
  entry.tolerant = dialog->Tolerant();
  return entry;
}

std::optional<TailSetting> EnterTailSetting(AppContext& app, QWidget*) {
  auto* dialog = Dialog<Tf_wsset>(app);
  if (!dialog) return std::nullopt;
  dialog->Begin();
  if (app.shell.ExecDialog(*dialog) != QDialog::Accepted) return std::nullopt;
  auto counts = ValueSet::From(dialog->Counts());
  if (!counts) return std::nullopt;
  TailSetting entry;
  entry.digits = dialog->Digits();
  entry.counts = std::move(*counts);
  entry.tolerant = dialog->Tolerant();
  entry.distinct = dialog->Distinct();
  return entry;
}

std::optional<std::string> EnterFormula(AppContext& app, QWidget*) {
  auto* dialog = Dialog<Tf_fzsr>(app);
  if (!dialog) return std::nullopt;
  dialog->Begin();
  if (app.shell.ExecDialog(*dialog) != QDialog::Accepted) return std::nullopt;
  return dialog->Formula().trimmed().toStdString();
}

std::optional<std::array<std::string, 7>> EditNumbers(AppContext& app, QWidget*,
                                                      const std::array<std::string, 7>& initial) {
  auto* dialog = Dialog<Tf_xgzh>(app);
  if (!dialog) return std::nullopt;
  std::array<QString, 7> texts;
  for (size_t i = 0; i < texts.size(); ++i) texts[i] = QString::fromStdString(initial[i]);
  dialog->SetTexts(texts);
  if (app.shell.ExecDialog(*dialog) != QDialog::Accepted) return std::nullopt;
  std::array<std::string, 7> result;
  const std::array<QString, 7> read = dialog->Texts();
  for (size_t i = 0; i < result.size(); ++i) result[i] = read[i].trimmed().toStdString();
  return result;
}

}  // namespace dlt::gui
