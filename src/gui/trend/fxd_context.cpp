#include "gui/trend/fxd_context.h"

#include <QMenu>
#include <algorithm>

#include "chart/page_window.h"
#include "gui/app/app_context.h"
#include "history/draw_table.h"

namespace dlt::gui {

FxdContext::FxdContext(AppContext& a) : app(a), sprites(a.sprites) {}

DrawTable& FxdContext::Table() const {
  return app.Table();
}

int FxdContext::Anchor() const {
  return std::max(Table().Position(), 0);
}

int FxdContext::FullPageAnchor(int span) const {
  DrawTable& table = Table();
  if (table.Empty()) return 0;
  table.SetPosition(dlt::FullPageAnchor(Anchor(), span, table.RecordCount()));
  return Anchor();
}

TrendPage FxdContext::PageAt(int span, int width, int height) const {
  const DrawTable& table = Table();
  TrendPage page;
  page.draws = table.Draws();
  page.env = &app.env;
  page.testColumn = table.ScratchColumn(ScratchField::Test).data();
  page.anchor = FullPageAnchor(span);
  page.span = span;
  page.width = width;
  page.height = height;
  return page;
}

void FxdContext::OpenDisplayMenu(QPoint globalPos) const {
  if (pm1) pm1->popup(globalPos + QPoint(5, 0));
}

}  // namespace dlt::gui
