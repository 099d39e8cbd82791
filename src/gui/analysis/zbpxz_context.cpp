#include "gui/analysis/zbpxz_context.h"

#include <QComboBox>
#include <algorithm>

#include "chart/issue_text.h"
#include "chart/tcoordinate.h"
#include "gui/app/app_context.h"
#include "gui/app/next_draw_chance.h"
#include "gui/app/shell_services.h"
#include "history/draw_range.h"
#include "history/draw_table.h"

namespace dlt::gui {

ZbpxzContext::ZbpxzContext(AppContext& a) : app(a), sprites(a.sprites) {}
ZbpxzContext::~ZbpxzContext() = default;

DrawTable& ZbpxzContext::UseDraws(const std::vector<Draw>& draws) {
  work_.reset();
  if (!draws.empty()) {
    work_ = std::make_unique<DrawTable>(":memory:");
    work_->ApplyImport(draws, false);
  }
  return Table();
}

DrawTable& ZbpxzContext::Table() const {
  return work_ ? *work_ : app.Table();
}

std::span<const int32_t> ZbpxzContext::Series() const {
  const auto& column = Table().ScratchColumn(ScratchField::Test);
  return {column.data(), std::min(column.size(), Table().Draws().size())};
}

int ZbpxzContext::Anchor() const {
  return std::max(Table().Position(), 0);
}

AnalysisView ZbpxzContext::ViewAt(int span, int width, int height) const {
  AnalysisView v;
  v.draws = Table().Draws();
  v.series = Series();
  v.anchor = Anchor();
  v.span = span;
  v.from = from;
  v.to = to;
  v.width = width;
  v.height = height;
  return v;
}

QStringList ZbpxzContext::IssueTexts() const {
  QStringList issues;
  issues.reserve(Table().RecordCount());
  for (const Draw& d : Table().Draws()) issues << QString::fromStdString(IssueText(d.qs));
  return issues;
}

const ValueDistribution* ZbpxzContext::Chance(QWidget* parent) {
  if (!chanceAsked_) {
    const std::string& text = key.empty() ? formula : key;
    if (text.empty())
      app.shell.Inform(parent, QStringLiteral("该序列不是由指标或公式得到的，无法计算期望值"));
    else
      chance_ = NextDrawChance(app, parent, text, DrawZone::Front);
    // A cancelled computation is asked again the next time.
    chanceAsked_ = text.empty() || chance_.has_value();
  }
  return chance_ ? &*chance_ : nullptr;
}

void ZbpxzContext::ForgetChance() {
  chance_.reset();
  chanceAsked_ = false;
}

void FillIssuePicker(QComboBox* box, const QStringList& issues, bool from) {
  const QSignalBlocker quiet(box);
  box->clear();
  box->addItems(issues);
  if (issues.isEmpty()) return;
  box->setCurrentIndex(from ? DefaultGridStart(issues.size()) : issues.size() - 1);
}

int PickedDraw(const QComboBox* box, const DrawTable& table, int fallback) {
  const std::optional<int32_t> qs = ParseIssueText(box->currentText().trimmed().toStdString());
  const int index = qs ? table.IndexOf(*qs) : -1;
  return index >= 0 ? index : fallback;
}

}  // namespace dlt::gui
