#pragma once

#include "analysis/occurrence.h"
#include "chart/chart_panel.h"
#include "common/draw.h"
#include "generator/condition_set.h"
#include "history/draw_table.h"
#include "indicators/catalogue.h"
#include "killnum/kill_kind.h"
#include "book/ticket_book.h"
#include "trend/omission_grid.h"
