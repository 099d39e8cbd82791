#include "gui/book/book_screenshots.h"

#include <random>

#include "book/book_grading.h"
#include "generator/random_tickets.h"
#include "gui/app/app_context.h"
#include "gui/app/app_settings.h"
#include "gui/app/tdm.h"
#include "gui/app/window_set.h"
#include "gui/book/tf_wdtz.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

constexpr int kGradedEntries = 8;

void FillEmptyBook(AppContext& app) {
  TicketBook* book = app.dm ? app.dm->Book() : nullptr;
  if (!book || !book->Entries().empty() || !app.dm->IsOpen()) return;
  const DrawTable& table = app.Table();
  const int last = table.LastRealIndex();
  if (last < kGradedEntries) return;
  std::mt19937_64 rng(2026);
  const int64_t price = app.settings.ReadPrizeTable().ticketPriceFen;
  const auto add = [&](int32_t qs, int count, const char* name) {
    NewBookEntry e;
    e.name = name;
    e.qs = qs;
    e.addedAt = 1767225600 + qs % 1000 * 86400;
    e.tickets = RandomTickets(count, rng, nullptr).value_or(std::vector<Ticket>{});
    e.costFen = price * count;
    AddBookEntry(*book, table, e, nullptr);
  };
  for (int i = kGradedEntries; i >= 1; --i)
    add(table.Draws()[static_cast<size_t>(last - i + 1)].qs, 10 + 15 * (i % 3),
        i % 2 ? "超强组号" : "复式");
  add(NextDrawNumber(table), 20, "超强组号");
}

}  // namespace

void TakeBookPicture(AppContext& app, const QString& dir,
                     void (*save)(QWidget*, const QString&, const QString&), void (*settle)(int)) {
  FillEmptyBook(app);
  auto* window = app.windows->Get<Tf_wdtz>();
  window->show();
  window->Refresh();
  if (!window->View().rows.empty()) window->SelectEntry(window->View().rows.front().entry.id);
  settle(400);
  save(window, dir, "wdtz.png");
  window->close();
}

}  // namespace dlt::gui
