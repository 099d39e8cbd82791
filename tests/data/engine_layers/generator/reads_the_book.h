#pragma once

#include "generator/prizes.h"
#include "book/ticket_book.h"
