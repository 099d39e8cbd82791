#pragma once

#include <random>
#include <vector>

#include "generator/result_list.h"

namespace dlt {

// The pick count edits take four digits: at most 9999 combinations a pick.
constexpr int kMaxPickCount = 9999;

// 机选组号: `count` independent random combinations with mark 0. The pool,
// the bankers and every condition are ignored; two picks may coincide.
std::vector<FrontRecord> PureRandomRecords(int count, std::mt19937_64& rng);

// 过滤后机选: shuffles the accepted records (numbers with their marks), every
// order equally likely, and keeps the first `count`. With fewer records than
// `count` all of them stay, in shuffled order.
void KeepRandomRecords(std::vector<FrontRecord>& records, int count, std::mt19937_64& rng);

}  // namespace dlt
