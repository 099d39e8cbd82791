#pragma once

#include "common/draw.h"
#  include "history/draw_table.h"
