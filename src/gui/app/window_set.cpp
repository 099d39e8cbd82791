#include "gui/app/window_set.h"

#include "gui/analysis/tf_filter_zbpxz.h"
#include "gui/analysis/tf_tyzsd_modify.h"
#include "gui/analysis/tf_zbpx.h"
#include "gui/analysis/tf_zbpxz.h"
#include "gui/app/app_context.h"
#include "gui/app/tdm.h"
#include "gui/app/tf_help.h"
#include "gui/app/tf_main.h"
#include "gui/app/tf_showpic.h"
#include "gui/book/tf_wdtz.h"
#include "gui/generator/tf_checkreward.h"
#include "gui/generator/tf_condchoice.h"
#include "gui/generator/tf_enterblue.h"
#include "gui/generator/tf_fqfw.h"
#include "gui/generator/tf_fzsr.h"
#include "gui/generator/tf_getchoiceextend.h"
#include "gui/generator/tf_getchoiceextend_plus.h"
#include "gui/generator/tf_groupfilter.h"
#include "gui/generator/tf_lshc.h"
#include "gui/generator/tf_qh.h"
#include "gui/generator/tf_selfcond.h"
#include "gui/generator/tf_wsset.h"
#include "gui/generator/tf_xgzh.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/tf_zj1.h"
#include "gui/history/tf_addselfzb.h"
#include "gui/history/tf_addsj.h"
#include "gui/history/tf_coldhotset.h"
#include "gui/history/tf_gxsjq.h"
#include "gui/history/tf_informdownload.h"
#include "gui/history/tf_set.h"
#include "gui/killnum/tf_collectgs.h"
#include "gui/killnum/tf_resultjq.h"
#include "gui/killnum/tf_scfa.h"
#include "gui/killnum/tf_searchgs.h"
#include "gui/killnum/tf_selfhns.h"
#include "gui/killnum/tf_selfsh_set.h"
#include "gui/killnum/tf_tdsh.h"
#include "gui/trend/tf_bluefxd.h"
#include "gui/trend/tf_fxd.h"
#include "gui/trend/tf_moredb.h"
#include "gui/trend/tf_tjq.h"
#include "gui/trend/tf_xtqz.h"
#include "gui/trend/tf_zbzh_set.h"

namespace dlt::gui {

template <class T>
T* WindowSet::Create(AppContext& app) {
  auto window = std::make_unique<T>(app);
  T* raw = window.get();
  owned_.push_back(std::move(window));
  order_.push_back(raw);
  return raw;
}

WindowSet::WindowSet(AppContext& app) {
  app.windows = this;
  dm_ = std::make_unique<Tdm>();
  app.dm = dm_.get();
  Create<Tf_main>(app);
  Create<Tf_tjq>(app);
  Create<Tf_gxsjq>(app);
  Create<Tf_zh>(app);
  Create<Tf_fxd>(app);
  Create<Tf_bluefxd>(app);
  Create<Tf_enterblue>(app);
  Create<Tf_selfcond>(app);
  Create<Tf_checkreward>(app);
  Create<Tf_help>(app);
  Create<Tf_coldhotset>(app);
  Create<Tf_informdownload>(app);
  Create<Tf_xgzh>(app);
  Create<Tf_showpic>(app);
  Create<Tf_getchoiceextend>(app);
  Create<Tf_zbpx>(app);
  Create<Tf_zbpxz>(app);
  Create<Tf_fzsr>(app);
  Create<Tf_set>(app);
  Create<Tf_addselfzb>(app);
  Create<Tf_tdsh>(app);
  Create<Tf_getchoiceextend_plus>(app);
  Create<Tf_searchgs>(app);
  Create<Tf_selfsh_set>(app);
  Create<Tf_scfa>(app);
  Create<Tf_selfhns>(app);
  Create<Tf_addsj>(app);
  Create<Tf_zj1>(app);
  Create<Tf_fqfw>(app);
  Create<Tf_xtqz>(app);
  Create<Tf_zbzh_set>(app);
  Create<Tf_tyzsd_modify>(app);
  Create<Tf_filter_zbpxz>(app);
  Create<Tf_wsset>(app);
  Create<Tf_resultjq>(app);
  Create<Tf_collectgs>(app);
  Create<Tf_moredb>(app);
  Create<Tf_qh>(app);
  Create<Tf_condchoice>(app);
  Create<Tf_groupfilter>(app);
  Create<Tf_lshc>(app);
  Create<Tf_wdtz>(app);
}

WindowSet::~WindowSet() {
  // Later windows may refer to earlier ones: release in reverse order.
  while (!owned_.empty()) owned_.pop_back();
  order_.clear();
  dm_.reset();
}

QWidget* WindowSet::Find(const QString& className) const {
  for (QWidget* w : order_)
    if (w->objectName() == className) return w;
  return nullptr;
}

void WindowSet::CloseAll() {
  for (QWidget* w : order_)
    if (!qobject_cast<Tf_main*>(w)) w->close();
}

}  // namespace dlt::gui
