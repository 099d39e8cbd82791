#include "gui/generator/tf_zh.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/app/app_context.h"
#include "gui/app/below_toolbar.h"
#include "gui/generator/zh_back_page.h"
#include "gui/generator/zh_front_page.h"
#include "gui/generator/zh_match_page.h"
#include "gui/generator/zh_session.h"

namespace dlt::gui {

Tf_zh::Tf_zh(AppContext& app, QWidget* parent)
    : QWidget(parent), app_(app), session_(std::make_unique<ZhSession>()) {
  setObjectName("Tf_zh");
  setWindowTitle(QStringLiteral("超强组号"));
  KeepBelowToolbarWhenMaximised(*this, app_);
  // Sized to its content (every condition tab, all 35 numbers) as far as the
  // screen below the toolbar allows; each show keeps the user's size.
  OpenBelowToolbar(*this, kPreferredSize, app_, /*everyShow=*/true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  p_hmzh = new QTabWidget(this);
  p_hmzh->setObjectName("p_hmzh");
  layout->addWidget(p_hmzh);
  front_ = new ZhFrontPage(app, *session_, *this);
  front_->setObjectName("ts_zqgl");
  back_ = new ZhBackPage(app, *session_, *this);
  back_->setObjectName("ts_fqgl");
  match_ = new ZhMatchPage(app, *session_, *this);
  match_->setObjectName("ts_sqpp");
  p_hmzh->addTab(front_, QStringLiteral("主区过滤"));
  p_hmzh->addTab(back_, QStringLiteral("副区过滤"));
  p_hmzh->addTab(match_, QStringLiteral("双区匹配"));
}

// The pages read the session to their last paint, so they go before it.
Tf_zh::~Tf_zh() {
  delete p_hmzh;
}

void Tf_zh::showEvent(QShowEvent* event) {
  p_hmzh->setCurrentIndex(0);
  front_->ShowFirstTab();
  QWidget::showEvent(event);
}

void Tf_zh::FrontListChanged() {
  front_->RefreshList();
}

void Tf_zh::FrontSetChanged() {
  front_->ShowChangedSet();
}

void Tf_zh::SelfConditionAppended(const QString& line) {
  front_->ShowAppendedSelfCondition(line);
}

void Tf_zh::CustomIndicatorAppended(const QString& line) {
  front_->ShowAppendedCustomIndicator(line);
}

void Tf_zh::OfferCustomFormula(const QString& formula) {
  show();
  raise();
  front_->OfferCustomFormula(formula);
}

void Tf_zh::CustomIndicatorTransferred() {
  front_->ShowChangedSet();
  front_->ClearCustomIndicatorEntry();
}

}  // namespace dlt::gui
