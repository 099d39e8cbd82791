#include "generator/forecast_writes.h"

namespace dlt {
namespace {

void PutForecast(DrawTable& table, const Draw& d) {
  CursorGuard keep(table);
  table.WriteForecast(d);
}

}  // namespace

void WriteComboForecast(DrawTable& table, const Combo& combo) {
  PutForecast(table, Draw{kForecastQs, combo, {1, 2}});
}

void WriteBackPairForecast(DrawTable& table, const BackPair& pair) {
  Draw d{kForecastQs, {1, 2, 3, 4, 5}, pair};
  const int existing = table.IndexOf(kForecastQs);
  if (existing >= 0) d.front = table.Draws()[static_cast<size_t>(existing)].front;
  PutForecast(table, d);
}

void WriteTicketForecast(DrawTable& table, const Ticket& ticket) {
  PutForecast(table, Draw{kForecastQs, ticket.front, ticket.back});
}

bool ClearForecast(DrawTable& table) {
  CursorGuard keep(table);
  return table.DeleteForecast();
}

}  // namespace dlt
