#pragma once

#include <vector>

#include "formula/formula.h"
#include "generator/condition_set.h"
