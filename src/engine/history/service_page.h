#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/draw.h"
#include "history/prize_amounts.h"

namespace dlt {

// Draws asked for per page of the operator's history service.
constexpr int kServicePageSize = 100;

// One row of a page: a draw and its prize tiers.
struct ServiceRow {
  Draw draw;
  std::vector<PrizeTier> tiers;
};

// One page of the history service, newest draw first as served.
struct ServicePage {
  int pageNo = 0;
  int pages = 0;  // pages of the whole history
  int total = 0;  // draws of the whole history
  std::vector<ServiceRow> rows;
};

// Reads the service's answer for page `pageNo`. Every field is checked as an
// import checks a line: the answer must be the documented JSON (an HTML page
// or anything else is refused), `errorCode` "0" and `success` true (else the
// service's `errorMessage` is the reason), the page the one asked for with at
// most kServicePageSize rows in strictly falling draw order, and each row a
// valid draw with readable prize figures. The first fault refuses the whole
// page with a message naming the row and the field.
std::optional<ServicePage> ParseServicePage(std::string_view body, int pageNo, std::string* error);

// The draw number of `lotteryDrawNum`: "26093" (two-digit year) is 2026093.
std::optional<int32_t> ReadServiceDrawNumber(std::string_view text);

}  // namespace dlt
