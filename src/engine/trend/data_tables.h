#pragma once

#include <span>
#include <string>
#include <vector>

#include "common/draw.h"
#include "indicators/eval_context.h"

namespace dlt {

// The three data tables of "常规数据表": one row of texts per draw of the
// history, computed by index so that a grid asks only for the rows it shows.
// Table 1: numbers, span, groups, parity, primes, runs, tails, gaps and sums
// (29 columns); table 2: the counts of the five front numbers by halves,
// zones and remainders (15); table 3: the cold, warm and hot numbers of both
// zones (11).
const std::vector<std::string>& DataTableHeaders(int table);
std::vector<std::string> DataTableRow(int table, std::span<const Draw> draws, int index,
                                      const ColdHotSettings& coldHot);

}  // namespace dlt
