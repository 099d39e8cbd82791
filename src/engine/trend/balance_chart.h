#pragma once

#include <vector>

#include "book/book_view.h"
#include "chart/chart_panel.h"

namespace dlt {

// The ticket book's running balance as one panel of the chart drawer: the
// graded draws along x (every few labelled with their issue), the balance
// in 元 along y on round steps that take in 0, a dashed purple line at 0,
// blue discs joined by black lines, each labelled with its balance.
Chart BalanceChart(const std::vector<BalancePoint>& points, int width, int height,
                   const TextMetrics& metrics);

// A round step (1, 2 or 5 times a power of ten) that cuts `range` into at
// most `parts` parts.
int64_t RoundStep(int64_t range, int parts);

}  // namespace dlt
