#pragma once

#include "book/ticket_book.h"
#include "generator/prizes.h"
#include "history/draw_table.h"
