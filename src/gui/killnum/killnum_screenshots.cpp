#include "gui/killnum/killnum_screenshots.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "gui/app/app_context.h"
#include "gui/app/window_set.h"
#include "gui/killnum/tdsh_page.h"
#include "gui/killnum/tf_scfa.h"
#include "gui/killnum/tf_searchgs.h"
#include "gui/killnum/tf_tdsh.h"

namespace dlt::gui {
namespace {

void Press(QWidget& w, const char* name) {
  if (auto* b = w.findChild<QPushButton*>(name)) b->click();
}

void Type(QWidget& w, const char* name, const QString& text) {
  if (auto* e = w.findChild<QLineEdit*>(name)) e->setText(text);
}

}  // namespace

void TakeKillnumPictures(AppContext& app, const QString& dir,
                         void (*save)(QWidget*, const QString&, const QString&),
                         void (*settle)(int)) {
  auto* tdsh = app.windows->Get<Tf_tdsh>();
  if (!tdsh) return;
  tdsh->show();
  // A scheme of different formulas, in memory only: the demo folder keeps its files.
  tdsh->Page(KillKind::FrontKill)
      .FillScheme({"[-1]z_hw", "([-1]z_num1+[-2]z_num5)%35+1", "([-1]z_hz*3)%35+1",
                   "abs([-1]z_num5-[-1]z_num1)", "([-2]z_hw+[-1]z_num3)%35+1",
                   "max([-1]z_num1,[-2]z_num1)", "([-1]z_num2*[-1]z_num4)%35+1",
                   "([-3]z_hz+7)%35+1", "[-1]z_num3%10+1", "([-1]z_hw+[-1]z_num5)%35+1"});
  if (auto* grid = tdsh->findChild<QTableView*>("sg_hmsh")) {
    const QModelIndex prediction = grid->model()->index(101, 1);
    grid->scrollTo(prediction);
    grid->setCurrentIndex(prediction);
    emit grid->clicked(prediction);
  }
  settle(400);
  save(tdsh, dir, "tdsh.png");

  auto* search = app.windows->Get<Tf_searchgs>();
  search->Prepare({});
  search->show();
  Type(*search, "e_seed", "2026");
  Type(*search, "e_mbzql", "90");
  Press(*search, "b_beginss");
  search->FinishRun();
  settle(300);
  save(search, dir, "searchgs.png");
  search->hide();

  auto* scfa = app.windows->Get<Tf_scfa>();
  Tf_scfa::Request request;
  request.wanted = 10;
  scfa->Prepare(request);
  scfa->show();
  Type(*scfa, "e_seed", "2026");
  Type(*scfa, "e_mbzqlfrom", "85");
  Press(*scfa, "b_begin");
  scfa->FinishRun();
  settle(300);
  save(scfa, dir, "scfa.png");
  scfa->hide();
  tdsh->hide();
}

}  // namespace dlt::gui
