#pragma once

#include "generator/result_numbers.h"
#include "history/draw_table.h"

namespace dlt {

// Writes into the forecast record (draw 9999999) that the trend windows
// show after the newest draw; each one edits the record when it exists and
// appends it otherwise. The table's cursor stays where it was.

// A front combination with the back numbers 1 and 2.
void WriteComboForecast(DrawTable& table, const Combo& combo);
// A back pair; an existing forecast keeps its front numbers, so a front
// combination and a back pair can be combined; a new one gets 1 2 3 4 5.
void WriteBackPairForecast(DrawTable& table, const BackPair& pair);
// All seven numbers of a ticket.
void WriteTicketForecast(DrawTable& table, const Ticket& ticket);
// Deletes the forecast record when it exists; true when one was deleted.
bool ClearForecast(DrawTable& table);

}  // namespace dlt
