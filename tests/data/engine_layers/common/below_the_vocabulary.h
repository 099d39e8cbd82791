#pragma once

#include <string>

#include "common/draw.h"
#include "indicators/catalogue.h"
