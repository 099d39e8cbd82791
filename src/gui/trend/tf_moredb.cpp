#include "gui/trend/tf_moredb.h"

#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/app/app_context.h"
#include "gui/app/below_toolbar.h"
#include "gui/trend/moredb_association_page.h"
#include "gui/trend/moredb_pairs_page.h"
#include "gui/trend/moredb_pattern_page.h"

namespace dlt::gui {

Tf_moredb::Tf_moredb(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_moredb");
  setWindowTitle(QStringLiteral("更多图表"));
  OpenBelowToolbar(*this, kFillArea, app, /*everyShow=*/false);
  auto* layout = new QVBoxLayout(this);
  pc_moredb = new QTabWidget(this);
  pc_moredb->setObjectName("pc_moredb");
  patterns_ = new PatternPage(app_.Table(), app_.shell);
  association_ = new AssociationPage(app_);
  pairs_ = new PairsPage(app_);
  patterns_->setObjectName("ts_zhxt");
  association_->setObjectName("ts_glfx");
  pairs_->setObjectName("ts_xsxk");
  pc_moredb->addTab(patterns_, QStringLiteral("综合形态"));
  pc_moredb->addTab(association_, QStringLiteral("关联分析"));
  pc_moredb->addTab(pairs_, QStringLiteral("相生相克"));
  layout->addWidget(pc_moredb);
  connect(pc_moredb, &QTabWidget::currentChanged, this, &Tf_moredb::FillCurrentPage);
}

void Tf_moredb::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (e->spontaneous()) return;
  pairs_->FillIssues();
  if (pc_moredb->currentIndex() != 0)
    pc_moredb->setCurrentIndex(0);  // fills through the page change
  else
    FillCurrentPage();
}

void Tf_moredb::FillCurrentPage() {
  QWidget* page = pc_moredb->currentWidget();
  if (page == patterns_) patterns_->Fill();
  if (page == association_) association_->Fill();
  if (page == pairs_) pairs_->Fill();
}

}  // namespace dlt::gui
