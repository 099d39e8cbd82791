#include "gui/killnum/tf_tdsh.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/app/app_context.h"
#include "gui/app/below_toolbar.h"
#include "gui/killnum/tdsh_page.h"
#include "killnum/kill_history.h"

namespace dlt::gui {
namespace {

const TdshTabSetup kTabs[] = {
    {KillKind::FrontKill, "hmsh", "主区杀号", "cb_hmsh_shgs", "Button2"},
    {KillKind::BackKill, "lmsh", "副区杀号", "cb_lmsh_shgs", "Button5"},
    {KillKind::FrontBanker, "hmtd", "主区提胆", "cb_hmtd_tdgs", "Button8"},
    {KillKind::BackBanker, "fqtd", "副区提胆", "cb_fqtd_tdgs", "Button4"},
    {KillKind::Custom, "selfsh", "自定义杀号", "cb_selfsh_shgs", "Button11"},
};

}  // namespace

Tf_tdsh::Tf_tdsh(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_tdsh");
  setWindowTitle(QStringLiteral("提胆与杀号"));
  OpenBelowToolbar(*this, kFillArea, app, /*everyShow=*/true);
  history_ = std::make_unique<KillHistory>(std::vector<Draw>{}, std::vector<int32_t>{}, app.env);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  pc_tdsh = new QTabWidget(this);
  pc_tdsh->setObjectName("pc_tdsh");
  layout->addWidget(pc_tdsh);
  for (const TdshTabSetup& setup : kTabs) {
    auto* page = new TdshPage(app, *this, setup);
    pages_.push_back(page);
    pc_tdsh->addTab(page, QString::fromUtf8(setup.caption));
  }
  connect(pc_tdsh, &QTabWidget::currentChanged, this, &Tf_tdsh::TabChosen);
}

Tf_tdsh::~Tf_tdsh() = default;

TdshPage& Tf_tdsh::Page(KillKind kind) const {
  for (TdshPage* p : pages_)
    if (p->Kind() == kind) return *p;
  return *pages_.front();
}

void Tf_tdsh::showEvent(QShowEvent* event) {
  history_ = std::make_unique<KillHistory>(KillHistory::FromTable(app_.Table(), app_.env));
  shown_ = true;
  for (TdshPage* p : pages_) p->HistoryChanged();
  TabChosen(pc_tdsh->currentIndex());
  QWidget::showEvent(event);
}

void Tf_tdsh::TabChosen(int index) {
  if (!HasHistory() || index < 0) return;
  auto* page = static_cast<TdshPage*>(pc_tdsh->widget(index));
  if (page->AnalysisDue()) page->RunAnalysis();
}

}  // namespace dlt::gui
